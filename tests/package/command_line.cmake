# The command line with no display at all: every answer and every error comes before Qt would
# need one (without a display QApplication aborts with exit code 134).
# Each case: arguments (space-separated), exit code, a text expected in the output.
set(cases
  "--bogus|2|Unknown option 'bogus'"
  "-platform offscreen --bogus|2|Unknown option 'bogus'"
  "stray|2|Unexpected argument 'stray'"
  "--lang xx|2|Unknown language 'xx'"
  "--help|0|--lang <language>"
  "-h|0|--paths"
  "--version|0|kestrins ")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 arguments)
  list(GET fields 1 expected_code)
  list(GET fields 2 expected_text)
  separate_arguments(arguments UNIX_COMMAND "${arguments}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
      --unset=QT_QPA_PLATFORM ${PROGRAM} ${arguments}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(FIND "${out}${err}" "${expected_text}" found)
  if(NOT code STREQUAL expected_code OR found EQUAL -1)
    message(SEND_ERROR "kestrins ${arguments}: exit ${code} (want ${expected_code}), "
      "output without '${expected_text}':\n${out}${err}")
  endif()
endforeach()
