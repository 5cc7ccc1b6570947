# Turns a tab-separated rulebook table into rows of a constant C++ array at build time.
#
#   zr2_tsv_table(<folder> <tsv file under data/> <include name> <column types...>)
#
# Column types: s = text, i = integer whose "none" value is 0, n = integer whose "none" value is -1.
# A field holding just "?" is not known; the row is then emitted with known = false, its texts empty
# and its numbers at their "none" value. Each emitted row reads {known, field1, field2, ...},
# so the including source declares a struct whose first member is bool.
# In text fields "\n" stands for a line break (CR LF); other backslash escapes pass through.
set(ZR2_TSV_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/TsvToInc.cmake)

function(zr2_tsv_table folder tsv name)
  set(out ${CMAKE_BINARY_DIR}/generated/${name})
  string(REPLACE ";" "," types "${ARGN}")
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/data/${tsv} -DOUT=${out} -DTYPES=${types}
            -P ${ZR2_TSV_SCRIPT}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${tsv} ${ZR2_TSV_SCRIPT}
    COMMENT "Generating ${name} from data/${tsv}"
    VERBATIM)
  target_sources(zr2_${folder}_objects PRIVATE ${out})
  set_source_files_properties(${out} PROPERTIES HEADER_FILE_ONLY ON GENERATED ON)
endfunction()
