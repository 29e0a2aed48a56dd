// "書き出し（フラッシュカード用）…": the open book written for flashcard programs, to a
// file the user chooses.
#pragma once

#include <QString>

class Dialogs;
class WordBookController;

// The export file's first proposal: the book's name with ".txt" in the documents folder.
QString FlashcardExportProposal(const QString &bookFileName);

// Asks for the file, writes it and tells what was written or what failed. lastFolder
// keeps the folder chosen for the next export of the run.
void ExportOpenBookForFlashcards(const WordBookController &books, const QString &wordBookFolder,
                                 Dialogs &dialogs, QString *lastFolder);
