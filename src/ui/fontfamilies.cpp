#include "fontfamilies.h"

#include <QFont>

#include <utility>

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

void RegisterFontSubstitutes()
{
    const QStringList gothic{QStringLiteral("IPAPGothic")};
    const std::pair<QString, QStringList> substitutes[] = {
        {QStringLiteral("Segoe UI"),
         {QStringLiteral("Andika"), QStringLiteral("Charis SIL"), QStringLiteral("Doulos SIL")}},
        {QStringLiteral("ＭＳ Ｐゴシック"), gothic},
        {QStringLiteral("MS PGothic"), gothic},
        {QStringLiteral("メイリオ"), gothic},
        {QStringLiteral("Meiryo"), gothic},
        {QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic")}},
        {QStringLiteral("MS Gothic"), {QStringLiteral("IPAGothic")}},
        {QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho")}},
        {QStringLiteral("MS Mincho"), {QStringLiteral("IPAMincho")}},
        {QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")}},
        {QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")}},
    };
    for (const auto &[family, standIns] : substitutes)
        QFont::insertSubstitutions(family, standIns);
}
