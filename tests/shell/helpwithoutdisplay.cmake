# Runs the editor's --help and --version as on a machine without a display, where no window
# system can be opened: each must print its text and end with status 0.
#   cmake -DPROGRAM=<keypad-string-tool> -P helpwithoutdisplay.cmake
foreach(var DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM)
  unset(ENV{${var}})
endforeach()

foreach(check "--help;--folder <DIR>" "--version;^VXKey pad tool [0-9]+\\.[0-9]+\\.[0-9]+\n$")
  list(GET check 0 option)
  list(GET check 1 expected)
  execute_process(COMMAND ${PROGRAM} ${option} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${option} without a display ended with ${status}:\n${output}${errors}")
  endif()
  if(NOT output MATCHES "${expected}")
    message(FATAL_ERROR "${option} without a display printed no \"${expected}\":\n${output}")
  endif()
endforeach()
