# tov_add_catalogue(<target> CSV <file.csv> OUTPUT <name.inc> PRESET_COLUMNS <column>...)
#
# Generates <name.inc> in the current binary directory from an operator catalogue CSV at build
# time (CatalogueFromCsv.cmake, run with cmake -P), again whenever the CSV changes, and lets the
# target's sources include it by name. The CSV stays the only place the catalogue is written.
function(tov_add_catalogue target)
    cmake_parse_arguments(ARG "" "CSV;OUTPUT" "PRESET_COLUMNS" ${ARGN})
    set(generator ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CatalogueFromCsv.cmake)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${ARG_OUTPUT})
    list(JOIN ARG_PRESET_COLUMNS "," columns)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DCSV=${ARG_CSV} -DOUTPUT=${output} -DCOLUMNS=${columns}
                -P ${generator}
        DEPENDS ${ARG_CSV} ${generator}
        COMMENT "Generating ${ARG_OUTPUT} from ${ARG_CSV}"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
