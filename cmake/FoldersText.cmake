# folders_text(<out> <folder>...): the folders as a message names them,
# "platform/, frame/ and groups/".
function(folders_text out)
  set(folders ${ARGN})
  list(TRANSFORM folders APPEND "/")
  list(POP_BACK folders last)
  list(JOIN folders ", " text)
  if(text)
    set(text "${text} and ${last}")
  else()
    set(text "${last}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
