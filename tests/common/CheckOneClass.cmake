# Runs a test program of several test classes with "-class NAME" for its last
# class, as CTest does, and fails unless that class alone ran; a class that
# the program lacks must fail before any test runs.
#   cmake -DPROGRAM=... -DWORK=... -P this
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND "${PROGRAM}" -classes OUTPUT_VARIABLE text RESULT_VARIABLE result)
string(REGEX MATCHALL "[^\n]+" classes "${text}")
list(LENGTH classes count)
if(NOT result EQUAL 0 OR count LESS 2)
  message(FATAL_ERROR "${PROGRAM} -classes (${result}) names fewer than two classes: ${classes}")
endif()
list(GET classes -1 last)

set(xml "${WORK}/results.xml")
execute_process(COMMAND "${PROGRAM}" -class "${last}" -o "${xml},junitxml" -o "-,txt"
                OUTPUT_VARIABLE text RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} -class ${last} failed (${result}):\n${text}")
endif()
string(REGEX MATCHALL "Start testing of [A-Za-z0-9_]+" started "${text}")
if(NOT started STREQUAL "Start testing of ${last}")
  message(FATAL_ERROR "${PROGRAM} -class ${last} ran: ${started}")
endif()
file(READ "${xml}" results)
string(REGEX MATCHALL "<testsuite name=\"[A-Za-z0-9_]+\"" suites "${results}")
if(NOT suites STREQUAL "<testsuite name=\"${last}\"")
  message(FATAL_ERROR "${xml} holds ${suites}")
endif()

execute_process(COMMAND "${PROGRAM}" -class "${last}Nowhere"
                OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE result)
if(result EQUAL 0 OR text MATCHES "Start testing")
  message(FATAL_ERROR "${PROGRAM} -class ${last}Nowhere (${result}):\n${text}${errors}")
endif()
