// The RTF family word of a font ("froman", "fswiss", "fmodern", "fscript", "fdecor",
// "fnil"), read from the font file's OS/2 table the way the desktop derives a
// font's pitch-and-family byte.
#pragma once

#include <QByteArrayView>
#include <QString>

// From the raw OS/2 table (sFamilyClass and PANOSE) and, when given, the post
// table's fixed-pitch flag. Too short or missing tables give "fnil".
QString RtfFamilyWordFromTables(QByteArrayView os2, QByteArrayView post = {});

// The family word of the installed font that fontName resolves to (fontconfig
// substitutes missing names). Needs a QGuiApplication; without one it is "fnil".
// Results are remembered per name for the run.
QString RtfFamilyWord(const QString &fontName);
