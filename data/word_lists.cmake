# The word lists the dictionaries are compiled from, for the data tree and for
# the soak's English dictionary of a build without it.
# Polish: Debian's wpolish. English: the word lists of Debian's scowl, sizes
# 10 to 60, English and American spellings (its abbreviation, proper-name,
# contraction and upper-case lists are left out; size 70 lets in "csc",
# "kb", "ln"). mkslo keeps their words of 2 to 15 letters a to z that hold a
# vowel, or are among the few kept without one.
set(ZK_POLISH_WORDS /usr/share/dict/polish CACHE FILEPATH "Polish word list")
set(ZK_SCOWL_DIR /usr/share/dict/scowl CACHE PATH "Folder of Debian's scowl word lists")
set(ZK_ENGLISH_WORD_LISTS)
foreach(size 10 20 35 40 50 55 60)
  foreach(category english-words american-words)
    list(APPEND ZK_ENGLISH_WORD_LISTS ${ZK_SCOWL_DIR}/${category}.${size})
  endforeach()
endforeach()

# Stops the configuration with the package to install when a list is missing.
function(zk_require_word_lists)
  foreach(list ${ARGN})
    if(NOT EXISTS ${list})
      message(FATAL_ERROR "${list} is missing: install Debian's wpolish and scowl")
    endif()
  endforeach()
endfunction()
