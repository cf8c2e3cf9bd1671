# Builds every case of CASES ("target=pattern" items) in one run, with the
# cases compiled side by side, and fails unless each target was refused with
# a diagnostic that matches its pattern.
set(_targets)
foreach(_case IN LISTS CASES)
  string(REGEX REPLACE "=.*" "" _target "${_case}")
  list(APPEND _targets ${_target})
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${_targets} -- -k 0
                OUTPUT_VARIABLE _out ERROR_VARIABLE _out RESULT_VARIABLE _rc)
# Ninja prints each failed compile as "FAILED: <object>" and the compiler's
# diagnostics after it: cut the output there, so that a case is judged by its
# own diagnostics only.
string(REPLACE ";" "," _text "${_out}")
string(REPLACE "FAILED: " ";" _chunks "${_text}")
set(_failed)
foreach(_case IN LISTS CASES)
  string(REGEX REPLACE "=.*" "" _target "${_case}")
  string(REGEX REPLACE "^[^=]*=" "" _pattern "${_case}")
  set(_hit FALSE)
  foreach(_chunk IN LISTS _chunks)
    if(_chunk MATCHES "^[^\n]*/${_target}\\.cpp" AND _chunk MATCHES "${_pattern}")
      set(_hit TRUE)
    endif()
  endforeach()
  if(NOT _hit)
    list(APPEND _failed ${_target})
  endif()
endforeach()
if(_failed)
  message("${_out}")
  message(FATAL_ERROR "compiled, or refused for another reason: ${_failed}")
endif()
message(STATUS "refused as expected: ${_targets}")
