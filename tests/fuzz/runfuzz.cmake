# Runs one fuzz target from a copy of its seed corpus, so the repository is never written:
#   cmake -DFUZZER=<binary> -DCORPUS=<seed folder> -DWORK=<scratch folder> -DSECONDS=<n> -P runfuzz.cmake
# Fails when the target finds a crash, a leak, undefined behaviour, a timeout or an
# out-of-memory input; the reproducer is then in WORK (crash-*, leak-*, timeout-*, oom-*).
foreach(var FUZZER CORPUS WORK SECONDS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "runfuzz.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)

# Two runs share the time. The first keeps inputs to 4 KiB (longer seeds cut there), where
# a target tries a thousand inputs a second or more; a seed of a mebibyte costs a third of
# a second or more each time it is tried, and would take most of the run. The second lets
# inputs grow to a mebibyte, past the largest image and key map, so that the large seeds
# are read whole and the size limits are crossed. It starts from what the first found.
# A run ends a second or two after its time (the input under way, the leak check at exit):
# the first gives up as much, so that both together take what one run took.
math(EXPR long_seconds "${SECONDS} / 3")
if(long_seconds LESS 1)
  set(long_seconds 1)
endif()
math(EXPR short_seconds "${SECONDS} - ${long_seconds} - 2")
if(short_seconds LESS 1)
  set(short_seconds 1)
endif()

foreach(run "${short_seconds};4096" "${long_seconds};1048576")
  list(GET run 0 seconds)
  list(GET run 1 max_len)
  execute_process(
    COMMAND ${FUZZER} -max_total_time=${seconds} -max_len=${max_len} -timeout=10 -rss_limit_mb=1024
            -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  string(REGEX MATCH "stat::number_of_executed_units: *[0-9]+" runs "${output}")
  string(REGEX MATCH "stat::average_exec_per_sec: *[0-9]+" speed "${output}")
  string(REGEX MATCH "stat::peak_rss_mb: *[0-9]+" rss "${output}")
  message("inputs up to ${max_len} bytes, ${seconds} s:\n${runs}\n${speed}\n${rss}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}):\n${output}")
  endif()
endforeach()
