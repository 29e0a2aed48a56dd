#include "fontfamilies.h"

QStringList ScalableFontFamilies(QFontDatabase::WritingSystem writingSystem,
                                 const QString &current)
{
    QStringList names;
    for (const QString &family : QFontDatabase::families(writingSystem)) {
        if (family.startsWith(u'@') || family.startsWith(u'$'))
            continue;
        if (!QFontDatabase::isSmoothlyScalable(family))
            continue;
        names.append(family);
    }
    if (!current.isEmpty() && !names.contains(current))
        names.append(current);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}
