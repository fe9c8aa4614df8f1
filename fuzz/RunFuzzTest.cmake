# Runs one fuzz target as a test: its seed corpus, then RUNS inputs from seed
# 1, new inputs going to a fresh work folder so that the corpus in the
# repository stays as it is. Any finding fails the test. The target's program
# folder lies in a folder of its own under TMPBASE, removed afterwards.
get_filename_component(name ${WORK} NAME)
set(tmp ${TMPBASE}/zemlo-fuzz-test-${name})
file(REMOVE_RECURSE ${WORK} ${tmp})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/findings ${tmp})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${tmp}
          ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -timeout=25 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/findings/ ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE result)
file(REMOVE_RECURSE ${tmp})
file(GLOB findings ${WORK}/findings/*)
if(NOT result EQUAL 0 OR findings)
  message(FATAL_ERROR "${FUZZER} found something (exit ${result}): ${findings}")
endif()
