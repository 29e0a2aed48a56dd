#include "wordlist.h"

#include <algorithm>

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

QString ForeignSortKey(const QString &text, const QLocale &locale)
{
    // Below U+0530 (Latin, IPA, Greek, Cyrillic) the locale's lower case is the simple
    // one of each code unit, except for a dotted capital I (two code units), a capital
    // sigma (final form by context) and the languages whose own rules touch the letter
    // I: the usual text of a word book needs no call into ICU.
    const QLocale::Language language = locale.language();
    if (language == QLocale::Turkish || language == QLocale::Azerbaijani ||
        language == QLocale::Lithuanian)
        return locale.toLower(text);
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *end = p + text.size();
    bool changes = false;
    for (const char16_t *q = p; q < end; ++q) {
        const char16_t c = *q;
        if (c >= 0x0530 || c == 0x0130 || c == 0x03A3)
            return locale.toLower(text);
        changes = changes || QChar::toLower(c) != c;
    }
    if (!changes)
        return text;
    QString lower(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(lower.data());
    for (const char16_t *q = p; q < end; ++q)
        *out++ = char16_t(QChar::toLower(*q));
    return lower;
}

void SortWordList(QList<WordEntry> &words, int column, int direction, bool foreignFirst,
                  const QLocale &locale)
{
    if (!WordListSort::sorts(column))
        return;
    // One key per row: lower-casing inside the comparison would cost a copy per call.
    // Other columns sort by the fields themselves, seen in place.
    const bool foreign = column == ForeignWordColumn(foreignFirst);
    QStringList lowered;
    QList<QStringView> keys;
    if (foreign)
        lowered.reserve(words.size());
    keys.reserve(words.size());
    for (const WordEntry &w : std::as_const(words)) {
        const QString &text = WordFieldOfColumn(w, column, foreignFirst);
        if (foreign) {
            lowered.append(ForeignSortKey(text, locale));
            keys.append(lowered.constLast());
        } else {
            keys.append(text);
        }
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
