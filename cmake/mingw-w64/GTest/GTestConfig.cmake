# GoogleTest for the Windows cross build: Debian's sources (/usr/src/googletest), compiled with
# the cross compiler as part of this build, under the names an installed GoogleTest exports.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
endif()
foreach(_lib gtest gtest_main gmock gmock_main)
  if(TARGET ${_lib} AND NOT TARGET GTest::${_lib})
    add_library(GTest::${_lib} ALIAS ${_lib})
  endif()
endforeach()
unset(_lib)
set(GTest_FOUND TRUE)
