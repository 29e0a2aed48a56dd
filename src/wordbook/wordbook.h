// Word books without widgets: the file, the library of a folder, the word list's
// columns and sorts, group names, folders, voice paths, the editor's reader and writer,
// the search and the flashcard export.
#pragma once

#include "editorbook.h"
#include "flashcardexport.h"
#include "groupnames.h"
#include "voicepath.h"
#include "wordbookfile.h"
#include "wordbookfolders.h"
#include "wordbooklibrary.h"
#include "wordcolour.h"
#include "wordbooksearch.h"
#include "wordcommands.h"
#include "wordlist.h"
