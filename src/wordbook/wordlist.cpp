#include "wordlist.h"

#include <algorithm>
#include <vector>

#include "sortbykeys.h"

QString WordListCellText(const WordEntry &w, int number, int column, bool foreignFirst)
{
    return column == NumberColumn ? QString::number(number)
                                  : WordFieldOfColumn(w, column, foreignFirst);
}

const QString &WordFieldOfColumn(const WordEntry &w, int column, bool foreignFirst)
{
    static const QString none;
    switch (column) {
    case FirstWordColumn:
        return foreignFirst ? w.foreignWord : w.japanese;
    case PhoneticSymbolsColumn:
        return w.phoneticSymbols;
    case PhoneticKanaColumn:
        return w.phoneticKana;
    case SecondWordColumn:
        return foreignFirst ? w.japanese : w.foreignWord;
    case NotesColumn:
        return w.notes;
    case VoiceFileColumn:
        return w.voiceFile;
    case TextColourColumn:
        return w.textColour;
    default:
        return none;
    }
}

int ForeignWordColumn(bool foreignFirst)
{
    return foreignFirst ? FirstWordColumn : SecondWordColumn;
}

QStringList ColumnNames(const QString &languageName)
{
    return {languageName,
            QStringLiteral("発音記号"),
            QStringLiteral("発音カナ"),
            QStringLiteral("日本語"),
            QStringLiteral("備考"),
            QStringLiteral("音声ﾌｧｲﾙ"),
            QStringLiteral("文字色")};
}

QString WordListCaption(int column, bool foreignFirst, const QString &languageName)
{
    const QStringList names = ColumnNames(languageName);
    switch (column) {
    case FirstWordColumn:
        return foreignFirst ? names[0] : names[3];
    case NumberColumn:
        return QStringLiteral("No");
    case PhoneticSymbolsColumn:
        return names[1];
    case PhoneticKanaColumn:
        return names[2];
    case SecondWordColumn:
        return foreignFirst ? names[3] : names[0];
    case NotesColumn:
        return names[4];
    case VoiceFileColumn:
        return names[5];
    case TextColourColumn:
        return names[6];
    default:
        return {};
    }
}

QString SortConfirmationText(const QString &caption)
{
    return QStringLiteral("項目「") + caption +
           QStringLiteral(
               "」でソートします。ソートをすると順番は元に戻りませんがソートをしますか？");
}

namespace {

void AppendForeignSortKey(QString &out, const QString &text, const QLocale &locale)
{
    // Below U+0530 (Latin, IPA, Greek, Cyrillic) the locale's lower case is the simple
    // one of each code unit, except for a dotted capital I (two code units), a capital
    // sigma (final form by context) and the languages whose own rules touch the letter
    // I: the usual text of a word book needs no call into ICU.
    const QLocale::Language language = locale.language();
    if (language == QLocale::Turkish || language == QLocale::Azerbaijani ||
        language == QLocale::Lithuanian) {
        out += locale.toLower(text);
        return;
    }
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char16_t *to = reinterpret_cast<char16_t *>(out.data()) + start;
    const char16_t *end = reinterpret_cast<const char16_t *>(text.constData()) + text.size();
    for (const char16_t *from = reinterpret_cast<const char16_t *>(text.constData()); from < end;
         ++from) {
        const char16_t c = *from;
        if (c < 0x80) {
            *to++ = char16_t(unsigned(c - u'A') < 26u ? c + 0x20 : c);
        } else if (c >= 0x0530 || c == 0x0130 || c == 0x03A3) {
            out.truncate(start);
            out += locale.toLower(text);
            return;
        } else {
            *to++ = char16_t(QChar::toLower(c));
        }
    }
}

} // namespace

QString ForeignSortKey(const QString &text, const QLocale &locale)
{
    QString key;
    AppendForeignSortKey(key, text, locale);
    return key;
}

void SortWordList(QList<WordEntry> &words, int column, int direction, bool foreignFirst,
                  const QLocale &locale)
{
    if (!WordListSort::sorts(column))
        return;
    QList<QStringView> keys;
    keys.reserve(words.size());
    if (column != ForeignWordColumn(foreignFirst)) {
        // Other columns sort by the fields themselves, seen in place.
        for (const WordEntry &w : std::as_const(words))
            keys.append(WordFieldOfColumn(w, column, foreignFirst));
        SortRowsByKeys(words, keys, direction);
        return;
    }
    // All keys lower-cased once, into one string: lower-casing inside the comparison
    // would cost a copy per call, and a string per key an allocation per row.
    qsizetype total = 0;
    for (const WordEntry &w : std::as_const(words))
        total += WordFieldOfColumn(w, column, foreignFirst).size();
    QString lowered;
    lowered.reserve(total);
    std::vector<qsizetype> ends;
    ends.reserve(words.size());
    for (const WordEntry &w : std::as_const(words)) {
        AppendForeignSortKey(lowered, WordFieldOfColumn(w, column, foreignFirst), locale);
        ends.push_back(lowered.size());
    }
    qsizetype from = 0;
    for (const qsizetype to : ends) {
        keys.append(QStringView(lowered).sliced(from, to - from));
        from = to;
    }
    SortRowsByKeys(words, keys, direction);
}

bool WordListSort::sortByColumn(QList<WordEntry> &words, int column, bool foreignFirst,
                                const QLocale &locale)
{
    if (!sorts(column))
        return false;
    directions[column] = -directions[column];
    SortWordList(words, column, directions[column], foreignFirst, locale);
    return true;
}
