// The installed fonts the program offers in its font lists.
#pragma once

#include <QStringList>

// Smoothly scalable Latin families, without the vertical-writing variants ("@", "$"),
// sorted; names in keep are offered too, since a stored choice that this desktop lacks
// is still drawn through a substitute.
QStringList InstalledFontFamilies(const QStringList &keep = {});
