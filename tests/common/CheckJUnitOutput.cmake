# Runs a test program of several test classes with "-o FILE,junitxml" and
# fails unless FILE is one XML document that holds a <testsuite> for every
# class that the program's text output says it ran.
#   cmake -DPROGRAM=... -DWORK=... -P this
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(xml "${WORK}/results.xml")
execute_process(COMMAND "${PROGRAM}" -o "${xml},junitxml" -o "-,txt"
                OUTPUT_VARIABLE text RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} failed (${result}):\n${text}")
endif()
string(REGEX MATCHALL "Start testing of [A-Za-z0-9_]+" started "${text}")
list(TRANSFORM started REPLACE "Start testing of " "")
list(LENGTH started count)
if(count LESS 2)
  message(FATAL_ERROR "${PROGRAM} ran fewer than two test classes: ${started}")
endif()
file(READ "${xml}" results)
string(REGEX MATCHALL "<testsuite " suites "${results}")
list(LENGTH suites suiteCount)
if(NOT suiteCount EQUAL count)
  message(FATAL_ERROR "${xml} holds ${suiteCount} test suites for ${count} classes run")
endif()
foreach(class IN LISTS started)
  string(FIND "${results}" "<testsuite name=\"${class}\"" at)
  if(at LESS 0)
    message(FATAL_ERROR "${xml} holds no test suite of ${class}")
  endif()
endforeach()
execute_process(COMMAND /usr/bin/python3 -c
                        "import sys, xml.dom.minidom; xml.dom.minidom.parse(sys.argv[1])" "${xml}"
                RESULT_VARIABLE parsed ERROR_VARIABLE why)
if(NOT parsed EQUAL 0)
  message(FATAL_ERROR "${xml} is no XML document: ${why}")
endif()
