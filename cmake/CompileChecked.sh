#!/bin/sh
# The compiler launcher of the folders' libraries: runs the compile and, when
# it succeeds, checks the headers it read (cmake/CheckHeadersRead.cmake).
#   sh CompileChecked.sh <cmake> <check script> <config> <config hash> <compile command...>
# The hash only makes the command change when the rules do, so that every
# object is compiled and checked again.
cmake=$1
script=$2
config=$3
shift 4
"$@" || exit
exec "$cmake" -DCONFIG="$config" -P "$script" -- "$@"
