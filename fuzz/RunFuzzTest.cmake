# Runs one fuzz target as a test: its seed corpus, then RUNS inputs from seed
# 1, new inputs going to a fresh work folder so that the corpus in the
# repository stays as it is. Any finding fails the test.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/findings)
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -timeout=25 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/findings/ ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE result)
file(GLOB findings ${WORK}/findings/*)
if(NOT result EQUAL 0 OR findings)
  message(FATAL_ERROR "${FUZZER} found something (exit ${result}): ${findings}")
endif()
