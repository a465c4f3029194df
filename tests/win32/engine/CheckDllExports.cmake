# cmake -DOBJDUMP=... -DDLL=... -P CheckDllExports.cmake
# SDE3032.dll must export every engine operation at its ordinal and nothing else, by ordinal
# only, and import nothing but system DLLs.
set(expected_ordinals 23 27 29 38 40 44 64 65 71 75 76 85 95 98 99 107 109 111 114 122 123 126 127 128 129 132 134)
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${DLL}")
endif()

string(REGEX MATCHALL "\\+base\\[ *[0-9]+\\]" entries "${dump}")
set(ordinals)
foreach(entry ${entries})
  string(REGEX REPLACE "[^0-9]" "" ordinal "${entry}")
  list(APPEND ordinals ${ordinal})
endforeach()
list(SORT ordinals COMPARE NATURAL)
if(NOT ordinals STREQUAL expected_ordinals)
  message(FATAL_ERROR "exported ordinals: ${ordinals}\nexpected: ${expected_ordinals}")
endif()

if(NOT dump MATCHES "\\[Name Pointer/Ordinal\\] Table[ \t]+00000000")
  message(FATAL_ERROR "SDE3032.dll exports names")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import ${imports})
  string(REGEX REPLACE "DLL Name: " "" name "${import}")
  string(TOLOWER "${name}" name)
  if(NOT name MATCHES "^(kernel32|msvcrt|user32|advapi32)\\.dll$")
    message(FATAL_ERROR "SDE3032.dll imports ${name}")
  endif()
endforeach()
message(STATUS "SDE3032.dll exports by ordinal only: ${ordinals}")
