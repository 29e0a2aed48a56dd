// The font lists of the selectors: installed families of a writing system.
#pragma once

#include <QFontDatabase>
#include <QStringList>

// Smoothly scalable families of the writing system, without names beginning with "@"
// or "$", sorted. A stored name this desktop lacks is still the user's choice
// (fontconfig draws it with a substitute), so current is offered rather than lost.
QStringList ScalableFontFamilies(QFontDatabase::WritingSystem writingSystem,
                                 const QString &current);
