#include "fontfamilies.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QScreen>
#include <QSignalBlocker>
#include <QWidget>

#include <algorithm>
#include <utility>

#include "settings.h"

namespace {

// Symbol and dingbat fonts claim the Latin writing system through their code page bits
// but draw pictures for the letters; only a face with real a-z and A-Z is offered.
bool HasLatinLetters(const QString &family)
{
    static QHash<QString, bool> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd())
        return *it;
    // A symbol cmap marks the family as Symbol even where one of its files maps the
    // pictures onto ASCII.
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol)) {
        known.insert(family, false);
        return false;
    }
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Latin);
    bool letters = raw.isValid();
    for (const char16_t c : u"AZaz\u00e9") {
        if (!letters || c == 0)
            break;
        letters = raw.supportsCharacter(QChar(c));
    }
    known.insert(family, letters);
    return letters;
}

} // namespace

QStringList ScalableFontFamilies(QFontDatabase::WritingSystem writingSystem,
                                 const QStringList &current)
{
    QStringList names;
    for (const QString &family : QFontDatabase::families(writingSystem)) {
        if (family.startsWith(u'@') || family.startsWith(u'$'))
            continue;
        if (!QFontDatabase::isSmoothlyScalable(family) || QFontDatabase::isPrivateFamily(family))
            continue;
        if (!HasLatinLetters(family))
            continue;
        names.append(PlainFontFamily(family));
    }
    for (const QString &name : current) {
        if (const QString stored = PlainFontFamily(name); !stored.isEmpty())
            names.append(stored);
    }
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

FontFamilyBox::FontFamilyBox(QFontDatabase::WritingSystem writingSystem, QWidget *parent)
    : QComboBox(parent), m_writingSystem(writingSystem)
{
}

void FontFamilyBox::showFamily(const QString &family)
{
    const QSignalBlocker blocker(this);
    const QString plain = PlainFontFamily(family);
    if (!m_filled)
        clear();
    int index = findText(plain);
    if (index < 0 && !plain.isEmpty()) {
        addItem(plain);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void FontFamilyBox::fillFamilies()
{
    if (m_filled)
        return;
    const QString shown = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(ScalableFontFamilies(m_writingSystem, {shown}));
    setCurrentIndex(findText(shown));
    m_filled = true;
}

void FontFamilyBox::showPopup()
{
    fillFamilies();
    QComboBox::showPopup();
}

void FontFamilyBox::keyPressEvent(QKeyEvent *event)
{
    fillFamilies();
    QComboBox::keyPressEvent(event);
}

void FontFamilyBox::wheelEvent(QWheelEvent *event)
{
    fillFamilies();
    QComboBox::wheelEvent(event);
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

int ScreenFontPoints(const QWidget *widget, const QString &typed)
{
    bool ok = false;
    const int size = typed.trimmed().toInt(&ok);
    if (!ok || size < 1)
        return 0;
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return size;
    return qMin(size, LargestFontPoints(screen->availableGeometry().height(),
                                        screen->logicalDotsPerInchY()));
}

int LargestFittingPoints(QFont font, const QStringList &texts, int width, int smallest, int largest)
{
    if (largest <= smallest)
        return largest;
    font.setPointSize(largest);
    // Every text is shaped at the largest size; at the others the widest come first, so a
    // size that is too large is known from one text.
    QList<std::pair<int, QString>> byWidth;
    {
        const QFontMetrics metrics(font);
        for (const QString &text : texts)
            byWidth.append({metrics.horizontalAdvance(text), text});
    }
    std::sort(byWidth.begin(), byWidth.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    const int atLargest = byWidth.isEmpty() ? 0 : byWidth.first().first;
    if (atLargest <= width)
        return largest;
    const auto fits = [&](int points) {
        font.setPointSize(points);
        const QFontMetrics metrics(font);
        return std::all_of(byWidth.begin(), byWidth.end(), [&](const auto &entry) {
            return metrics.horizontalAdvance(entry.second) <= width;
        });
    };
    int points = qBound(smallest, int(qint64(largest) * width / qMax(1, atLargest)), largest - 1);
    if (fits(points)) {
        while (points + 1 < largest && fits(points + 1))
            ++points;
    } else {
        while (points > smallest && !fits(--points)) {
        }
    }
    return points;
}
