# The embedding step on fixture trees: names that need quoting come out as assembler and C++ that
# build and find their records, the walk and the order are right, and names the bundle cannot
# carry stop the build with a clear message.
#
#   cmake -DSCRIPT=embed_frontend.cmake -DCXX=<compiler> -DSRC=<inspector/src> -DDUMP=dump_bundle.cpp
#         -DPNG=<a binary file> -DWORK=<scratch dir> -P embed_step_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(embed tree out_prefix result_var error_var)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" "-DTREE=${tree}" "-DOUT_ASM=${out_prefix}.S"
            "-DOUT_CPP=${out_prefix}.cpp" -P "${SCRIPT}"
    RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
  set(${result_var} "${rc}" PARENT_SCOPE)
  set(${error_var} "${err}" PARENT_SCOPE)
endfunction()

# A tree of awkward but acceptable names. Byte-wise order: " " < "-" < "." < "/" < digits <
# upper case < "_" < lower case.
set(tree "${WORK}/good tree")
file(WRITE "${tree}/.hidden" "")
file(WRITE "${tree}/Z.txt" "upper\r\n")
file(WRITE "${tree}/_.txt" "underscore\n")
file(WRITE "${tree}/a\"quote.js" "quote()\n")
file(WRITE "${tree}/it's #1 $x & y.svg" "<svg/>")
file(MAKE_DIRECTORY "${tree}/sub dir")
file(COPY_FILE "${PNG}" "${tree}/sub dir/x.png")
file(MAKE_DIRECTORY "${tree}/sub dir/empty")
file(WRITE "${tree}/sub-a.txt" "-")
file(WRITE "${tree}/sub.txt" ".")
file(WRITE "${tree}/sub/z.txt" "/* not a comment */ // nor this")
set(expected_order ".hidden" "Z.txt" "_.txt" "a\"quote.js" "it's #1 $x & y.svg" "sub dir/x.png"
    "sub-a.txt" "sub.txt" "sub/z.txt")

embed("${tree}" "${WORK}/good" rc err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "embedding the fixture tree failed:\n${err}")
endif()
execute_process(
  COMMAND "${CXX}" -std=c++20 "-I${SRC}" "${DUMP}" "${WORK}/good.cpp" "${WORK}/good.S"
          "${SRC}/bundle.cpp" -o "${WORK}/dump"
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generated bundle does not build:\n${err}")
endif()
execute_process(COMMAND "${WORK}/dump" RESULT_VARIABLE rc OUTPUT_VARIABLE actual)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the fixture bundle's dump failed")
endif()

set(expected "")
foreach(rel IN LISTS expected_order)
  file(SIZE "${tree}/${rel}" size)
  file(SHA256 "${tree}/${rel}" digest)
  file(READ "${tree}/${rel}" content HEX)
  string(APPEND expected "${rel}\t${size}\t${digest}\t${content}\tfound\tmtime\n")
endforeach()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "fixture bundle differs from the tree\nexpected:\n${expected}\nactual:\n${actual}")
endif()

# Trees that must be refused, each with a word of the message it must give.
set(cases backslash semicolon bracket control non_ascii symlink empty)
foreach(case IN LISTS cases)
  set(tree "${WORK}/bad-${case}")
  file(MAKE_DIRECTORY "${tree}")
  if(NOT case STREQUAL "empty")
    file(WRITE "${tree}/ok.js" "ok")
  endif()
  if(case STREQUAL "backslash")
    file(WRITE "${tree}/back\\slash.js" "x")
    set(message "cannot carry")
  elseif(case STREQUAL "semicolon")
    file(WRITE "${tree}/semi\;colon.js" "x")
    set(message "cannot carry")
  elseif(case STREQUAL "bracket")
    file(WRITE "${tree}/[x.js" "x")
    set(message "cannot carry")
  elseif(case STREQUAL "control")
    file(WRITE "${tree}/tab\there.js" "x")
    set(message "cannot carry")
  elseif(case STREQUAL "non_ascii")
    string(ASCII 195 169 e_acute)
    file(WRITE "${tree}/caf${e_acute}.js" "x")
    set(message "cannot carry")
  elseif(case STREQUAL "symlink")
    file(CREATE_LINK "ok.js" "${tree}/link.js" SYMBOLIC)
    set(message "symbolic link")
  elseif(case STREQUAL "empty")
    set(message "holds no files")
  endif()
  embed("${tree}" "${WORK}/bad-${case}" rc err)
  if(rc EQUAL 0)
    message(FATAL_ERROR "the ${case} tree was embedded, not refused")
  endif()
  string(REGEX REPLACE "[ \n]+" " " err "${err}")
  string(FIND "${err}" "${message}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the ${case} tree was refused without saying '${message}':\n${err}")
  endif()
  if(EXISTS "${WORK}/bad-${case}.S" OR EXISTS "${WORK}/bad-${case}.cpp")
    message(FATAL_ERROR "the refused ${case} tree left generated files behind")
  endif()
endforeach()
