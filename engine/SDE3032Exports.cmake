# SDE3032.dll's exports, in one table: each operation's name, the bytes its arguments take
# (the __stdcall decoration of 32-bit names) and its ordinal. The module definition file and
# the export check are both made from it.
set(SDE3032_EXPORTS
  TableCloseAll        0 29
  RecordAtBof          0 27
  RecordAppendBlank    0 23
  TableFinishIndexing  0 38
  RecordDelete         0 40
  RecordAtEof          0 44
  FieldGetDouble       4 64
  FieldGetInteger      4 65
  FieldGetString       4 71
  RecordGoBottom       0 75
  RecordGoTop          0 76
  IndexTagCreate      24 85
  TablePack            0 95
  QuerySet             4 98
  QueryCount           0 99
  FieldReplace        12 107
  RecordSeek           4 109
  AreaSelect           4 111
  SetDeletedHidden     4 114
  OrderSet             4 122
  TableSetPassword     4 123
  SetSoftSeek          4 126
  EngineSetStartFlag   4 127
  RecordSkip           4 128
  TagOrder             4 129
  TableOpen           16 132
  AreaOfAlias          4 134)

# The ordinals alone, in ascending order.
function(sde3032_ordinals out)
  set(ordinals)
  set(rest ${SDE3032_EXPORTS})
  while(rest)
    list(POP_FRONT rest name bytes ordinal)
    list(APPEND ordinals ${ordinal})
  endwhile()
  list(SORT ordinals COMPARE NATURAL)
  set(${out} ${ordinals} PARENT_SCOPE)
endfunction()

# Writes the module definition file: every operation at its ordinal, NONAME. 32-bit names
# carry the __stdcall decoration (name@bytes); x86_64 has one calling convention and none.
function(sde3032_write_def path decorated)
  set(text "; SDE3032.dll: every engine operation at its ordinal, exported by ordinal only.\n")
  string(APPEND text "LIBRARY SDE3032.dll\nEXPORTS\n")
  set(rest ${SDE3032_EXPORTS})
  while(rest)
    list(POP_FRONT rest name bytes ordinal)
    if(decorated)
      set(name "${name}@${bytes}")
    endif()
    string(APPEND text "    ${name} @${ordinal} NONAME\n")
  endwhile()
  file(WRITE ${path}.new "${text}")
  file(COPY_FILE ${path}.new ${path} ONLY_IF_DIFFERENT)
endfunction()
