# The shipped .exe needs no DLL that Windows does not have (no mingw-w64 runtime, no WebView2
# loader, which is loaded at run time when present) and carries no symbol table.
#
#   cmake -DOBJDUMP=<x86_64-w64-mingw32-objdump> -DEXE=<tavrik_inspector.exe> -P exe_imports_test.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "no imports found in ${EXE}")
endif()
set(system_dlls kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
                ws2_32.dll msvcrt.dll ntdll.dll)
foreach(entry IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: " "" name "${entry}")
  string(TOLOWER "${name}" lower)
  if(NOT lower IN_LIST system_dlls)
    message(FATAL_ERROR "${EXE} imports ${name}, which Windows does not provide")
  endif()
  message(STATUS "imports ${name}")
endforeach()

execute_process(COMMAND "${OBJDUMP}" -t "${EXE}" OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT symbols MATCHES "no symbols")
  message(FATAL_ERROR "${EXE} is not stripped")
endif()
