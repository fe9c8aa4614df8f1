# Compiles small probe files through cmake/CompileChecked.sh with the settings
# the build wrote for scoring's libraries, and checks which the check of the
# headers read lets through and what it says of the others: every spelling of
# an include of a window or system header, a symlink, a header included by
# another, the Qt modules and libcurl, folders below, files outside src/.
#   cmake -DSOURCE_DIR=... -DBINARY_DIR=... -DCOMPILER=... -DQT_INCLUDES=a;b
#         -DWORK=... [-DGROUP=name] -P this
# GROUP runs one group of cases (see case_group below), so that CTest can run
# the groups side by side; without it every case runs.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/link" "${WORK}/via")
set(rules_config "${BINARY_DIR}/src/scoring/zemlo_scoring_rules_check.cmake")
set(windows_config "${BINARY_DIR}/src/scoring/zemlo_scoring_check.cmake")
foreach(config IN ITEMS "${rules_config}" "${windows_config}")
  if(NOT EXISTS "${config}")
    message(FATAL_ERROR "${config} is missing: configure the build first")
  endif()
endforeach()

# A header in the build, which any file may read, that includes a window.
file(WRITE "${WORK}/via/postbus.h" "#pragma once\n#include <platform/mail.h>\n")
file(WRITE "${WORK}/via/eigen.h" "#pragma once\ninline int eigen() { return 1; }\n")
file(CREATE_LINK "${SOURCE_DIR}/src/platform/mail.h" "${WORK}/link/postvak.h" SYMBOLIC)

set(flags -std=c++20 -fPIC -I${SOURCE_DIR}/src)
foreach(dir IN LISTS QT_INCLUDES)
  list(APPEND flags -isystem ${dir})
endforeach()

set(failures "")
set(cases_run FALSE)
set(current_group "")
# The cases after this call belong to the group `name`.
macro(case_group name)
  set(current_group "${name}")
endmacro()

# check_case(<name> <config> <probe text> <expected: PASS or a regex of the
# failure> [extra compile flags...])
function(check_case name config text expect)
  if(GROUP AND NOT GROUP STREQUAL current_group)
    return()
  endif()
  set(cases_run TRUE PARENT_SCOPE)
  set(dir "${WORK}/${name}")
  file(MAKE_DIRECTORY "${dir}")
  file(WRITE "${dir}/probe.cpp" "${text}\nint probe() { return 0; }\n")
  set(depflags -MD -MT probe.o -MF probe.o.d)
  if(expect STREQUAL "NODEPS")
    set(depflags "")
    set(expect "No dependency file \\(-MF\\) for probe.cpp")
  endif()
  execute_process(
    COMMAND sh "${SOURCE_DIR}/cmake/CompileChecked.sh" "${CMAKE_COMMAND}"
            "${SOURCE_DIR}/cmake/CheckHeadersRead.cmake" "${config}" hash
            "${COMPILER}" ${flags} ${ARGN} ${depflags} -o probe.o -c probe.cpp
    WORKING_DIRECTORY "${dir}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  # The message wraps its first lines: compare it on one line.
  string(REGEX REPLACE "[ \n]+" " " flat "${out}")
  set(fault "")
  if(expect STREQUAL "PASS")
    if(NOT rc EQUAL 0 OR NOT EXISTS "${dir}/probe.o")
      set(fault "refused (exit ${rc}):\n${out}")
    endif()
  elseif(rc EQUAL 0)
    set(fault "let through, expected: ${expect}")
  elseif(NOT flat MATCHES "${expect}")
    set(fault "failed otherwise than \"${expect}\":\n${out}")
  elseif(EXISTS "${dir}/probe.o")
    set(fault "refused, but its object is left for the next build")
  elseif(name STREQUAL "compile_error" AND flat MATCHES "may read only")
    set(fault "checked after a failed compile:\n${out}")
  endif()
  if(fault)
    set(failures "${failures}\n${name}: ${fault}" PARENT_SCOPE)
  endif()
endfunction()

set(window "includes src/platform/mail.h: a window or system file of platform")
set(scoring_rule "The rules of scoring may read only QtCore, the standard library and the rules of platform/, frame/, groups/, preparation/ and scoring/:")

case_group(spellings)
check_case(rules_clean "${rules_config}"
  "#include \"platform/mailoutcome.h\"\n#include \"scoring/waarde.h\"\n#include <QString>\n#include <vector>\n#include \"eigen.h\""
  PASS -I${WORK}/via)
check_case(angle_brackets "${rules_config}" "#include <platform/mail.h>"
  "${scoring_rule} [^ ]*probe.cpp ${window}")
check_case(double_slash "${rules_config}" "#include \"platform//mail.h\""
  "[^ ]*probe.cpp ${window}")
check_case(dot_dot "${rules_config}" "#include \"../platform/mail.h\""
  "[^ ]*probe.cpp ${window}" -I${SOURCE_DIR}/src/scoring)
case_group(links)
check_case(symlink "${rules_config}" "#include \"postvak.h\""
  "[^ ]*probe.cpp includes src/platform/mail.h \\(as [^ ]*link/postvak.h\\): a window or system file of platform"
  -I${WORK}/link)
check_case(through_header "${rules_config}" "#include \"postbus.h\""
  "[^ ]*probe.cpp includes src/platform/mail.h through [^ ]*via/postbus.h: a window" -I${WORK}/via)
# The generated file of all rules headers names the header, not itself.
file(REAL_PATH "${WORK}" work_real)
file(WRITE "${WORK}/headers_check.cmake"
  "include(\"${rules_config}\")\nset(HEADERS_TU \"${work_real}/headers_tu/probe.cpp\")\n")
check_case(headers_tu "${WORK}/headers_check.cmake" "#include \"postbus.h\""
  "${scoring_rule} [^ ]*via/postbus.h ${window}" -I${WORK}/via)
file(WRITE "${WORK}/links_check.cmake"
  "include(\"${rules_config}\")\nset(HEADERS_TU \"${work_real}/headers_tu_link/probe.cpp\")\n")
check_case(headers_tu_link "${WORK}/links_check.cmake" "#include \"postvak.h\""
  "${scoring_rule} [^ ]*link/postvak.h links to src/platform/mail.h: a window or system file of platform"
  -I${WORK}/link)
case_group(libraries)
check_case(qt_widgets "${rules_config}" "#include <QtWidgets/qtwidgetsglobal.h>"
  "[^ ]*probe.cpp includes [^ ]*/QtWidgets/qtwidgetsglobal.h: a header of QtWidgets, not of QtCore")
include("${rules_config}")
if(CURL_DIR)
  check_case(libcurl "${rules_config}" "#include <curl/curl.h>"
    "[^ ]*probe.cpp includes [^ ]*/curl/curl.h: a header of libcurl")
endif()
check_case(folder_below "${rules_config}" "#include \"rounds/slipstap.h\""
  "[^ ]*probe.cpp includes src/rounds/slipstap.h: rounds lies below scoring")
case_group(files)
check_case(no_folder "${rules_config}" "#include \"zemlo.h\""
  "[^ ]*probe.cpp includes src/zemlo.h: a file of no source folder")
check_case(outside_src "${rules_config}" "#include \"../fuzz/fuzzsupport.h\""
  "[^ ]*probe.cpp includes fuzz/fuzzsupport.h: not a source file of the program")

# A window may use the system, but not a folder below its own.
check_case(window_mail "${windows_config}" "#include <platform/mail.h>" PASS)
check_case(window_folder_below "${windows_config}" "#include \"rounds//slipstap.h\""
  "The files of scoring may read only headers of platform/, frame/, groups/, preparation/ and scoring/: [^ ]*probe.cpp includes src/rounds/slipstap.h: rounds lies below scoring")

# A compile that fails is the compiler's to report; no dependency file is a fault.
case_group(failures)
check_case(compile_error "${rules_config}" "#error planted fault" "planted fault")
check_case(no_dependency_file "${rules_config}" "#include <QString>" NODEPS)

if(NOT cases_run)
  message(FATAL_ERROR "No case of the group \"${GROUP}\"")
endif()
if(failures)
  message(FATAL_ERROR "The check of the headers read:${failures}")
endif()
