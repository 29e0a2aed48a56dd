// The text colour of a word as stored in a word book: "#" and six upper-case
// hexadecimal digits RRGGBB. In memory colours are $00BBGGRR values.
#pragma once

#include <QString>
#include <QStringView>

bool IsColourCode(QStringView code);
// The colour of a valid code, else defaultColour (the caller's window-text colour).
quint32 ColourFromCode(QStringView code, quint32 defaultColour);
// "#RRGGBB" of a concrete colour; system colours are resolved by the caller first.
QString ColourToCode(quint32 colour);
