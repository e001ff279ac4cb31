# The generated bundle built for Windows (PE/COFF) with the mingw-w64 tools: the data assembles
# into .rdata, with every file's bytes between the bracketing symbols, and the table compiles into
# read-only data without a static constructor.
#
#   cmake -DASM=<generated .S> -DCPP=<generated .cpp> -DSRC=<inspector/src> -DTREE=<frontend tree>
#         -DHOST_CC=<host C compiler> -DMINGW_AS=... -DMINGW_GXX=... -DMINGW_OBJDUMP=...
#         -DWORK=<scratch dir> -P embed_pe_coff_test.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT MINGW_AS OR NOT MINGW_OBJDUMP)
  message("SKIPPED: x86_64-w64-mingw32-as or -objdump not found")
  return()
endif()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed:\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# Preprocess as a Windows target would see it (no host macros), then assemble for PE/COFF.
run("${HOST_CC}" -E -P -undef -D_WIN32 -D__x86_64__ -x assembler-with-cpp "${ASM}"
    -o "${WORK}/bundle_data.s")
run("${MINGW_AS}" --64 "${WORK}/bundle_data.s" -o "${WORK}/bundle_data.obj")

run("${MINGW_OBJDUMP}" -h "${WORK}/bundle_data.obj")
if(NOT out MATCHES "file format pe-x86-64")
  message(FATAL_ERROR "not a PE/COFF object:\n${out}")
endif()
if(NOT out MATCHES "\n +[0-9]+ \\.rdata +([0-9a-f]+) ")
  message(FATAL_ERROR "no .rdata section:\n${out}")
endif()
set(rdata_size "${CMAKE_MATCH_1}")
if(out MATCHES "\\.rodata")
  message(FATAL_ERROR "ELF section name in a PE/COFF object:\n${out}")
endif()

run("${MINGW_OBJDUMP}" -t "${WORK}/bundle_data.obj")
foreach(symbol tavrik_frontend_data_begin tavrik_frontend_data_end)
  if(NOT out MATCHES "0x([0-9a-f]+) ${symbol}\n")
    message(FATAL_ERROR "${symbol} missing:\n${out}")
  endif()
  math(EXPR ${symbol} "0x${CMAKE_MATCH_1}")
endforeach()

file(GLOB_RECURSE files LIST_DIRECTORIES false "${TREE}/*")
set(total 0)
foreach(f IN LISTS files)
  file(SIZE "${f}" size)
  math(EXPR total "${total} + ${size}")
endforeach()
math(EXPR span "${tavrik_frontend_data_end} - ${tavrik_frontend_data_begin}")
math(EXPR rdata "0x${rdata_size}")
if(NOT span EQUAL total OR rdata LESS total)
  message(FATAL_ERROR "PE/COFF data holds ${span} bytes (.rdata ${rdata}), the tree ${total}")
endif()
message("PE/COFF .rdata: ${span} bytes of ${total}")

if(NOT MINGW_GXX)
  message("table not compiled for Windows: x86_64-w64-mingw32-g++ not found")
  return()
endif()
run("${MINGW_GXX}" -std=c++20 -O2 -c "-I${SRC}" "${CPP}" -o "${WORK}/bundle_table.obj")
run("${MINGW_OBJDUMP}" -h "${WORK}/bundle_table.obj")
# mingw-w64 registers static constructors in .ctors (or .CRT$XC*); a constant table has none.
if(out MATCHES "\\.ctors|\\.CRT\\$XC|\\.init_array")
  message(FATAL_ERROR "the table needs a static constructor on Windows:\n${out}")
endif()
if(NOT out MATCHES "\\.rdata" OR NOT out MATCHES "\n +[0-9]+ \\.data +0+ ")
  message(FATAL_ERROR "the table is not in read-only data on Windows:\n${out}")
endif()
