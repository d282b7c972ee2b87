# Joins text files into one text for Windows users: UTF-8 with a byte-order
# mark (so that every Notepad reads it as UTF-8, not as the system's code
# page) and CRLF line ends, the parts divided by a rule.
#   cmake -DOUTPUT=FILE -DPARTS="A;B;..." -P windows_text.cmake
string(ASCII 239 187 191 text)
set(first TRUE)
foreach(part IN LISTS PARTS)
  file(READ "${part}" content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REGEX REPLACE "\n+$" "" content "${content}")
  if(NOT first)
    string(APPEND text "\n\n\n========================================================================\n\n")
  endif()
  string(APPEND text "${content}")
  set(first FALSE)
endforeach()
string(REPLACE "\n" "\r\n" text "${text}\n")
file(WRITE "${OUTPUT}" "${text}")
