# The release zip holds the shipped .exe, byte for byte, with the README and the licence notices,
# in one folder named after the release, and nothing else.
#
#   cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<dir> -DEXE=<tavrik_inspector.exe>
#         -DSOURCE=<source dir> -DNAME=<package file name> -P release_zip_test.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${CPACK}" --config "${CONFIG}" -B "${WORK}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${out}")
endif()
set(zip "${WORK}/${NAME}.zip")
if(NOT EXISTS "${zip}")
  message(FATAL_ERROR "no ${zip}:\n${out}")
endif()

file(ARCHIVE_EXTRACT INPUT "${zip}" DESTINATION "${WORK}/unpacked")
file(GLOB_RECURSE entries RELATIVE "${WORK}/unpacked" "${WORK}/unpacked/*")
list(SORT entries)
set(expected "${NAME}/README.md;${NAME}/THIRD_PARTY_NOTICES.md;${NAME}/tavrik_inspector.exe")
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "the zip holds\n  ${entries}\ninstead of\n  ${expected}")
endif()
foreach(pair "tavrik_inspector.exe=${EXE}" "README.md=${SOURCE}/README.md"
             "THIRD_PARTY_NOTICES.md=${SOURCE}/THIRD_PARTY_NOTICES.md")
  string(REGEX MATCH "^[^=]+" name "${pair}")
  string(REGEX REPLACE "^[^=]+=" "" original "${pair}")
  file(SHA256 "${WORK}/unpacked/${NAME}/${name}" packed)
  file(SHA256 "${original}" built)
  if(NOT packed STREQUAL built)
    message(FATAL_ERROR "${name} in the zip differs from ${original}")
  endif()
endforeach()
message(STATUS "${zip}: ${entries}")
