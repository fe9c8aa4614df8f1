# Asks a built test program for its test classes ("-classes") and writes them
# as the CMake list `classes` into OUTPUT, which CTest reads to give every
# class a test of its own (tests/CMakeLists.txt).
#   cmake -DPROGRAM=... -DOUTPUT=... -P this
cmake_minimum_required(VERSION 3.25)
file(REMOVE "${OUTPUT}")
execute_process(COMMAND "${PROGRAM}" -classes
                OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} -classes failed (${result}):\n${errors}")
endif()
string(REGEX MATCHALL "[^\n]+" classes "${text}")
if(NOT classes)
  message(FATAL_ERROR "${PROGRAM} has no test class")
endif()
foreach(class IN LISTS classes)
  if(NOT class MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "${PROGRAM} names a test class \"${class}\"")
  endif()
endforeach()
list(JOIN classes " " names)
file(WRITE "${OUTPUT}.tmp" "set(classes ${names})\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
