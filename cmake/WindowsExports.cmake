# Writes the module-definition file of ZR2_DLL.dll: the host finds the entries by these names and
# ordinals. Only entries defined in the sources (ZR2_ENTRY ... ZR2_CALL Name(...)) are listed, so
# the table never names something that is not built.
#   cmake -DSOURCE_DIR=<src> -DOUTPUT=<file.def> [-DTEST_EXPORTS=name,name] -P WindowsExports.cmake
# TEST_EXPORTS: hooks of a test build, exported from ordinal 100 on, away from the host's entries.
#
# Calc answers at ordinals 5 and 12. A .def cannot give one name two ordinals (GNU ld keeps one of
# two same-name lines), so ordinal 12 is a second export of the same function without a name: the
# name Calc resolves to ordinal 5, and ordinal 12 reaches the same address.
# Ordinals 1 to 3 stay unused; nothing else is exported.
cmake_minimum_required(VERSION 3.25)

set(ZR2_EXPORT_ORDINALS
    AsciiCalc=4 Calc=5 RollDice=6 GetMistEE=7 RegMistEE=8 Choice=9 Limitation=10 VerInfo=11
    MoveLinkShell=13 GetLinkShell=14 ClearLinkShell=15 StartLinkShell=16 PutCounterDef=17
    SetCounterDef=18 ZR2_Kegare=19 ZR2_Fairy=20 ZR2_UpStatus=21 ZR2_MakeBirth=22)
set(ZR2_SECOND_CALC_ORDINAL 12)

if(NOT SOURCE_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<src> -DOUTPUT=<file.def> -P WindowsExports.cmake")
endif()

set(blank "[ \t\r\n]")
set(entry_pattern "ZR2_ENTRY${blank}+[^;{}()]*ZR2_CALL${blank}+([A-Za-z_][A-Za-z0-9_]*)${blank}*\\(")
file(GLOB_RECURSE sources "${SOURCE_DIR}/*.cpp")
list(SORT sources)
set(defined)
foreach(source IN LISTS sources)
  file(READ "${source}" text)
  string(REGEX MATCHALL "${entry_pattern}" matches "${text}")
  foreach(match IN LISTS matches)
    string(REGEX REPLACE "${entry_pattern}" "\\1" name "${match}")
    if(name IN_LIST defined)
      message(FATAL_ERROR "${source}: the entry ${name} is defined twice")
    endif()
    list(APPEND defined ${name})
  endforeach()
endforeach()

set(known)
foreach(pair IN LISTS ZR2_EXPORT_ORDINALS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(APPEND known ${name})
endforeach()
foreach(name IN LISTS defined)
  if(NOT name IN_LIST known)
    message(FATAL_ERROR "the entry ${name} has no export ordinal: add it to ${CMAKE_CURRENT_LIST_FILE}")
  endif()
endforeach()

set(def "LIBRARY ZR2_DLL.dll\nEXPORTS\n")
foreach(pair IN LISTS ZR2_EXPORT_ORDINALS)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 ordinal)
  if(name IN_LIST defined)
    string(APPEND def "  ${name} @${ordinal}\n")
    if(name STREQUAL "Calc")
      string(APPEND def "  Calc_${ZR2_SECOND_CALC_ORDINAL} = Calc @${ZR2_SECOND_CALC_ORDINAL} NONAME\n")
    endif()
  endif()
endforeach()

if(TEST_EXPORTS)
  string(REPLACE "," ";" test_exports "${TEST_EXPORTS}")
  set(ordinal 100)
  foreach(name IN LISTS test_exports)
    string(APPEND def "  ${name} @${ordinal}\n")
    math(EXPR ordinal "${ordinal} + 1")
  endforeach()
endif()

file(WRITE "${OUTPUT}" "${def}")
