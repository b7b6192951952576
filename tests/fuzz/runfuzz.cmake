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
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=1024 -print_final_stats=1
          -artifact_prefix=${WORK}/ ${WORK}/corpus
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
string(REGEX MATCH "stat::number_of_executed_units: *[0-9]+" runs "${output}")
string(REGEX MATCH "stat::average_exec_per_sec: *[0-9]+" speed "${output}")
string(REGEX MATCH "stat::peak_rss_mb: *[0-9]+" rss "${output}")
message("${runs}\n${speed}\n${rss}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}):\n${output}")
endif()
