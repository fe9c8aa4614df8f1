# Fails when a source file of a folder includes a header of a folder below its
# own in the folder order, or of no known folder: a folder uses only itself and
# the folders above it. Also refuses a path with "..", and a header without a
# folder unless it lies beside the file or is moc's output.
#   cmake -DFOLDER=frame -DALLOWED=platform;frame -DKNOWN=platform;frame;...
#         -DSOURCES=a;b -DSTAMP=... -P this
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/FoldersText.cmake")
folders_text(allowed_text ${ALLOWED})
set(bad "")
foreach(source IN LISTS SOURCES)
  file(READ "${source}" content)
  # One list item per line: characters that a CMake list treats specially
  # are replaced first, so that the item numbers stay the line numbers.
  string(REGEX REPLACE "[][;\\\\]" "_" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  get_filename_component(dir "${source}" DIRECTORY)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]")
      continue()
    endif()
    set(quoted "${CMAKE_MATCH_1}")
    set(header "${CMAKE_MATCH_2}")
    string(REGEX REPLACE "/.*" "" top "${header}")
    set(why "")
    if(header MATCHES "(^|/)\\.\\.(/|$)")
      set(why "a path with \"..\"")
    elseif(NOT header MATCHES "/")
      # <vector>, <QString>, and in quotes a header beside the file or moc's.
      if(quoted STREQUAL "\"" AND NOT EXISTS "${dir}/${header}"
         AND NOT header MATCHES "(\\.moc|^moc_.*\\.cpp)$")
        set(why "no known folder")
      endif()
    elseif(top IN_LIST ALLOWED)
    elseif(top IN_LIST KNOWN)
      set(why "${top} lies below ${FOLDER}")
    elseif(quoted STREQUAL "\"")
      set(why "no known folder")
    endif()
    if(why)
      string(STRIP "${line}" text)
      list(APPEND bad "${source}:${number}: ${text} (${why})")
    endif()
  endforeach()
endforeach()
if(bad)
  list(JOIN bad "\n  " text)
  message(FATAL_ERROR "The files of ${FOLDER} may include only headers of ${allowed_text}:\n"
                      "  ${text}")
endif()
file(TOUCH "${STAMP}")
