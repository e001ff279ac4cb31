# The trampolines of the lazily loaded GTK keep the executable's control-flow protection: their
# object carries the CET property (IBT and SHSTK), without which the linker marks the whole
# executable unprotected on systems that build with -fcf-protection, and every trampoline starts
# with endbr64, the only valid target of an indirect branch under IBT.
# Run with -DOBJECT=<gtk_imports.S.o> -DREADELF=<readelf> -DOBJDUMP=<objdump>.
execute_process(COMMAND ${READELF} -n ${OBJECT} OUTPUT_VARIABLE notes RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT notes MATCHES "x86 feature: IBT, SHSTK")
  message(FATAL_ERROR "no CET property in ${OBJECT}:\n${notes}")
endif()
execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${OBJECT}
                OUTPUT_VARIABLE code RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot disassemble ${OBJECT}")
endif()
# Each symbol's first instruction.
string(REGEX MATCHALL "<[a-z_0-9]+>:\n *[0-9a-f]+:\t[a-z0-9]+" firsts "${code}")
list(LENGTH firsts count)
if(count EQUAL 0)
  message(FATAL_ERROR "no trampolines in ${OBJECT}")
endif()
foreach(first IN LISTS firsts)
  if(NOT first MATCHES "endbr64$")
    message(FATAL_ERROR "a trampoline does not start with endbr64: ${first}")
  endif()
endforeach()
message(STATUS "${count} trampolines, each starting with endbr64; CET property present")
