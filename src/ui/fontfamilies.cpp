#include "fontfamilies.h"

#include <QFontDatabase>

QStringList InstalledFontFamilies(const QStringList &keep)
{
    QStringList names;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Latin)) {
        if (family.startsWith(u'@') || family.startsWith(u'$'))
            continue;
        if (!QFontDatabase::isSmoothlyScalable(family))
            continue;
        names.append(family);
    }
    for (const QString &name : keep)
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}
