# Turns the frontend tree into the bundle: an assembly file that pulls every file's bytes into
# read-only data with .incbin, and a C++ file with the sorted constant table of records over them.
# Runs on the build host at build time, whatever the target:
#
#   cmake -DTREE=<dir> -DOUT_ASM=<file.S> -DOUT_CPP=<file.cpp> -P embed_frontend.cmake
#
# The assembly is preprocessed, so one file serves ELF (.rodata) and PE/COFF (.rdata). Outputs are
# rewritten only when their text changes: a touched file changes only the table (its time), an
# edited one both (its digest is written beside its .incbin line, so the data is re-assembled).
cmake_minimum_required(VERSION 3.25)

foreach(var TREE OUT_ASM OUT_CPP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "embed_frontend.cmake needs -D${var}=...")
  endif()
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/frontend_files.cmake")
tavrik_frontend_files("${TREE}" files)
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "frontend tree ${TREE} holds no files")
endif()

# Text for a double-quoted string, valid both in GNU assembler and in C++.
function(quoted text out_var)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${out_var} "\"${text}\"" PARENT_SCOPE)
endfunction()

# Creation times come from GNU stat's %W, one call per batch of files; CMake has no reader of its
# own. 0 or "-" means the file system does not know, and any failure (no GNU stat, e.g. a Windows
# build host) leaves every creation time absent rather than failing the build.
set(birth_times)
set(have_birth_times FALSE)
find_program(stat_program stat)
if(stat_program)
  set(batch 200)
  set(start 0)
  while(start LESS count)
    list(SUBLIST files ${start} ${batch} chunk)
    list(TRANSFORM chunk PREPEND "${TREE}/")
    execute_process(COMMAND "${stat_program}" "--printf=%W\\n" -- ${chunk}
      RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
    if(NOT rc EQUAL 0)
      set(birth_times)
      break()
    endif()
    string(REGEX REPLACE "\n$" "" out "${out}")
    string(REPLACE "\n" ";" out "${out}")
    list(APPEND birth_times ${out})
    math(EXPR start "${start} + ${batch}")
  endwhile()
  list(LENGTH birth_times n)
  if(n EQUAL count)
    set(have_birth_times TRUE)
  endif()
endif()

set(asm [=[/* Generated from the frontend tree by inspector/build/embed_frontend.cmake; do not edit.
   Each file's bytes, back to back in read-only data; the size and digest beside each .incbin make
   this text change whenever a file's content does. */
#if defined(__ELF__)
#define TAVRIK_DATA_SECTION .section .rodata.tavrik_frontend, "a", @progbits
#define TAVRIK_SYMBOL(name) .globl name; .hidden name; .type name, @object; name:
#define TAVRIK_SIZE(name) .size name, . - name
#elif defined(_WIN32)
#define TAVRIK_DATA_SECTION .section .rdata, "dr"
#define TAVRIK_SYMBOL(name) .globl name; name:
#define TAVRIK_SIZE(name)
#else
#error "the frontend bundle is emitted for ELF and PE/COFF only"
#endif

  TAVRIK_DATA_SECTION
TAVRIK_SYMBOL(tavrik_frontend_data_begin)
]=])

set(externs "")
set(records "")
set(total 0)
set(index 0)
foreach(rel IN LISTS files)
  set(abs "${TREE}/${rel}")
  file(SIZE "${abs}" size)
  file(SHA256 "${abs}" digest)
  math(EXPR total "${total} + ${size}")

  # Times that are not a plain count of seconds since the epoch (say, before 1970) stay absent.
  file(TIMESTAMP "${abs}" mtime "%s" UTC)
  if(mtime MATCHES "^[0-9]+$")
    set(mtime "UINT64_C(${mtime})")
  else()
    set(mtime "std::nullopt")
  endif()
  set(birth "std::nullopt")
  if(have_birth_times)
    list(GET birth_times ${index} b)
    if(b MATCHES "^[0-9]+$" AND NOT b EQUAL 0)
      set(birth "UINT64_C(${b})")
    endif()
  endif()

  set(symbol "tavrik_frontend_file_${index}")
  quoted("${abs}" abs_quoted)
  quoted("${rel}" rel_quoted)
  string(APPEND asm "TAVRIK_SYMBOL(${symbol}) .incbin ${abs_quoted}  # ${size} ${digest}\n"
    "TAVRIK_SIZE(${symbol})\n")

  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," digest_bytes "${digest}")
  string(REGEX REPLACE ",$" "" digest_bytes "${digest_bytes}")
  string(APPEND externs "extern const std::uint8_t ${symbol}[];\n")
  string(APPEND records "    {${rel_quoted},\n     ${mtime},\n     ${birth},\n"
    "     {{${digest_bytes}}},\n     {${symbol}, ${size}u}},\n")
  math(EXPR index "${index} + 1")
endforeach()

string(APPEND asm [=[
TAVRIK_SYMBOL(tavrik_frontend_data_end)

#if defined(__ELF__)
  .section .note.GNU-stack, "", @progbits
#endif
]=])

set(cpp "// Generated from the frontend tree by inspector/build/embed_frontend.cmake; do not edit.
// ${count} files, ${total} bytes. The table is constant-initialised: nothing runs at start-up.
#include <cstdint>
#include <optional>
#include <span>

#include \"bundle.hpp\"

extern \"C\" {
${externs}}

namespace tavrik {
namespace {

constexpr FrontendAsset kRecords[] = {
${records}};

}  // namespace

std::span<const FrontendAsset> frontend_bundle() { return kRecords; }

}  // namespace tavrik
")

function(write_if_changed path content)
  set(tmp "${path}.tmp")
  file(WRITE "${tmp}" "${content}")
  file(COPY_FILE "${tmp}" "${path}" ONLY_IF_DIFFERENT)
  file(REMOVE "${tmp}")
endfunction()
write_if_changed("${OUT_ASM}" "${asm}")
write_if_changed("${OUT_CPP}" "${cpp}")
