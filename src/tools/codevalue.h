// The code value checker: the UTF-16 code units of a text spelled out in hexadecimal.
#pragma once

#include <QString>
#include <QStringView>

// "/#$" and four upper-case hexadecimal digits for every code unit, in order.
QString CodeValueText(QStringView text);
// The text without leading and trailing characters up to U+0020 (blanks, line
// breaks, control characters); what the checker looks at.
QStringView TrimControlAndBlanks(QStringView text);
