# Turns an operator catalogue CSV (data/README.md) into the C++ initialisers of its rows:
#   {countryPosition, operatorPosition, "country", "country_zh", "country_en", "operator",
#    "operator_zh", "placeholder", {preset}},
# Run by tov_add_catalogue (TovCatalogue.cmake) at build time:
#   cmake -DCSV=<file.csv> -DOUTPUT=<file.inc> -DCOLUMNS=<column,column,...> -P CatalogueFromCsv.cmake
# It refuses a file whose rows are not in list order, so the lookups can trust the positions.

cmake_minimum_required(VERSION 3.25)

foreach(var CSV OUTPUT COLUMNS)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CatalogueFromCsv: -D${var}=... is missing")
    endif()
endforeach()

function(fail line message)
    message(FATAL_ERROR "${CSV}:${line}: ${message}")
endfunction()

# CMake lists split at ';' and treat '\', '[' and ']' specially: stand-ins keep them out of the way
# while the text is cut into lines and fields, and come back when the C++ is written.
string(ASCII 1 kSemicolon)
string(ASCII 2 kBackslash)
string(ASCII 3 kOpenBracket)
string(ASCII 4 kCloseBracket)

file(READ "${CSV}" text)
foreach(stand_in IN ITEMS ${kSemicolon} ${kBackslash} ${kOpenBracket} ${kCloseBracket})
    string(FIND "${text}" "${stand_in}" found)
    if(NOT found EQUAL -1)
        message(FATAL_ERROR "${CSV}: holds a control character (0x01 to 0x04)")
    endif()
endforeach()
string(REPLACE "\r" "" text "${text}")
string(REPLACE ";" "${kSemicolon}" text "${text}")
string(REPLACE "\\" "${kBackslash}" text "${text}")
string(REPLACE "[" "${kOpenBracket}" text "${text}")
string(REPLACE "]" "${kCloseBracket}" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

# Every field is quoted; "" inside a field is one quote. The fields stay quoted in the list, as
# a list cannot hold an empty first element.
function(split_fields line_number line out)
    string(REGEX MATCHALL "\"([^\"]|\"\")*\"" quoted "${line}")
    list(JOIN quoted "," rejoined)
    if(NOT rejoined STREQUAL line)
        fail(${line_number} "expected fields in double quotes separated by commas")
    endif()
    set(${out} "${quoted}" PARENT_SCOPE)
endfunction()

function(get_field fields index out)
    list(GET fields ${index} field)
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" field "${field}")
    string(REPLACE "\"\"" "\"" field "${field}")
    set(${out} "${field}" PARENT_SCOPE)
endfunction()

# A C++ string literal, the stand-ins restored.
function(cpp_literal value out)
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "${kBackslash}" "\\\\" value "${value}")
    string(REPLACE "${kSemicolon}" ";" value "${value}")
    string(REPLACE "${kOpenBracket}" "[" value "${value}")
    string(REPLACE "${kCloseBracket}" "]" value "${value}")
    set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

list(POP_FRONT lines header_line)
split_fields(1 "${header_line}" header)
list(LENGTH header field_count)
string(REPLACE "," ";" preset_columns "${COLUMNS}")
set(name_columns country_position country country_zh country_en operator_position operator
    operator_zh placeholder)
foreach(column IN LISTS name_columns preset_columns)
    list(FIND header "\"${column}\"" index)
    if(index EQUAL -1)
        fail(1 "no column ${column}")
    endif()
    set(at_${column} ${index})
endforeach()

cmake_path(GET CSV FILENAME csv_name)
set(result "// Generated from ${csv_name} by CatalogueFromCsv.cmake: edit the CSV, not this file.\n")
set(line_number 1)
set(previous_country -1)
set(previous_operator -1)
foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    if(line STREQUAL "")
        continue()
    endif()
    split_fields(${line_number} "${line}" fields)
    list(LENGTH fields count)
    if(NOT count EQUAL field_count)
        fail(${line_number} "${count} fields, the header has ${field_count}")
    endif()
    foreach(column IN LISTS name_columns preset_columns)
        get_field("${fields}" ${at_${column}} ${column})
    endforeach()

    if(NOT country_position MATCHES "^[0-9]+$" OR NOT operator_position MATCHES "^[0-9]+$")
        fail(${line_number} "positions must be numbers")
    endif()
    math(EXPR next_country "${previous_country} + 1")
    math(EXPR next_operator "${previous_operator} + 1")
    if(country_position EQUAL previous_country)
        if(NOT operator_position EQUAL next_operator)
            fail(${line_number} "operator position ${operator_position}, expected ${next_operator}")
        endif()
        if(NOT country STREQUAL previous_name OR NOT country_zh STREQUAL previous_name_zh
           OR NOT country_en STREQUAL previous_name_en)
            fail(${line_number} "country ${country_position} has two names")
        endif()
    elseif(NOT country_position EQUAL next_country OR NOT operator_position EQUAL 0)
        fail(${line_number} "position ${country_position}/${operator_position} out of order, \
expected ${next_country}/0 or ${previous_country}/${next_operator}")
    endif()
    set(previous_country ${country_position})
    set(previous_operator ${operator_position})
    set(previous_name "${country}")
    set(previous_name_zh "${country_zh}")
    set(previous_name_en "${country_en}")

    set(names "")
    foreach(column country country_zh country_en operator operator_zh placeholder)
        cpp_literal("${${column}}" literal)
        string(APPEND names ", ${literal}")
    endforeach()
    set(preset "")
    foreach(column IN LISTS preset_columns)
        cpp_literal("${${column}}" literal)
        string(APPEND preset ", ${literal}")
    endforeach()
    string(SUBSTRING "${preset}" 2 -1 preset)
    string(APPEND result "{${country_position}, ${operator_position}${names}, {${preset}}},\n")
endforeach()

file(WRITE "${OUTPUT}" "${result}")
