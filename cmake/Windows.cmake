# The Windows build of ZR2_DLL.dll (mingw-w64): included by the top-level CMakeLists.txt on WIN32,
# after the target ZR2_DLL exists.

# -O2 rather than -O3: GCC 12 at -O3 warns falsely inside libstdc++'s string code.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")

option(ZR2_WINDOWS_TEST_SEAM "Export a dice-script hook from ZR2_DLL.dll for the Windows vector host" OFF)

# The export table, generated from the entries the sources define (see WindowsExports.cmake).
set(ZR2_TEST_EXPORTS)
if(ZR2_WINDOWS_TEST_SEAM)
  set(ZR2_TEST_EXPORTS ZR2Test_BeginDice,ZR2Test_EndDice)
endif()
file(GLOB_RECURSE ZR2_ENTRY_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp)
set(ZR2_DEF_FILE ${PROJECT_BINARY_DIR}/ZR2_DLL.def)
add_custom_command(
  OUTPUT ${ZR2_DEF_FILE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src -DOUTPUT=${ZR2_DEF_FILE}
          -DTEST_EXPORTS=${ZR2_TEST_EXPORTS}
          -P ${PROJECT_SOURCE_DIR}/cmake/WindowsExports.cmake
  DEPENDS ${ZR2_ENTRY_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/WindowsExports.cmake
  COMMENT "Writing the export table ZR2_DLL.def"
  VERBATIM)
target_sources(ZR2_DLL PRIVATE ${ZR2_DEF_FILE})

# A drop-in file: the C++ runtime is linked in, so the DLL needs nothing but system DLLs.
set(ZR2_STATIC_RUNTIME -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release,MinSizeRel>:-s>)
target_link_options(ZR2_DLL PRIVATE ${ZR2_STATIC_RUNTIME})

if(ZR2_WINDOWS_TEST_SEAM)
  target_sources(ZR2_DLL PRIVATE ${PROJECT_SOURCE_DIR}/tests/windows/DiceSeam.cpp)
  target_include_directories(ZR2_DLL PRIVATE ${PROJECT_SOURCE_DIR}/src)
endif()

if(ZR2_TESTS)
  # The host's own library as a stand-in, exporting Command only.
  add_library(zr2_host_fixture MODULE ${PROJECT_SOURCE_DIR}/tests/fixtures/HostVellum.cpp
                                      ${PROJECT_SOURCE_DIR}/tests/windows/HostVellum.def)
  set_target_properties(zr2_host_fixture PROPERTIES PREFIX "" OUTPUT_NAME Vellum SUFFIX .dll)
  # The fixture is written for ELF; the visibility attribute means nothing on PE.
  target_compile_options(zr2_host_fixture PRIVATE -Wno-attributes)
  target_link_options(zr2_host_fixture PRIVATE ${ZR2_STATIC_RUNTIME})

  # Runs the behaviour vectors against a built ZR2_DLL.dll, loaded as a host loads it.
  add_executable(zr2_vector_host ${PROJECT_SOURCE_DIR}/tests/windows/VectorHost.cpp)
  target_include_directories(zr2_vector_host PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(zr2_vector_host PRIVATE zr2_host)
  target_link_options(zr2_vector_host PRIVATE -municode ${ZR2_STATIC_RUNTIME})
  add_dependencies(zr2_vector_host ZR2_DLL zr2_host_fixture)

  # The platform layer's own checks, on what the vectors cannot reach.
  add_executable(zr2_platform_check ${PROJECT_SOURCE_DIR}/tests/windows/PlatformCheck.cpp)
  target_link_libraries(zr2_platform_check PRIVATE zr2_platform)
  target_link_options(zr2_platform_check PRIVATE -municode ${ZR2_STATIC_RUNTIME})
  add_dependencies(zr2_platform_check zr2_host_fixture)
endif()
