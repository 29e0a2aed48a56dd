#include "wordlist.h"

#include <algorithm>

#include "sortbykeys.h"

QList<WordListRow> WordListRows(const QList<WordEntry> &words)
{
    QList<WordListRow> rows;
    rows.reserve(words.size());
    int number = 0;
    for (const WordEntry &word : words)
        rows.append({++number, word});
    return rows;
}

QList<WordEntry> WordListWords(const QList<WordListRow> &rows)
{
    QList<WordEntry> words;
    words.reserve(rows.size());
    for (const WordListRow &row : rows)
        words.append(row.word);
    return words;
}

void Renumber(QList<WordListRow> &rows)
{
    int number = 0;
    for (WordListRow &row : rows)
        row.number = ++number;
}

QString WordListCellText(const WordListRow &row, int column, bool foreignFirst)
{
    const WordEntry &w = row.word;
    switch (column) {
    case FirstWordColumn:
        return foreignFirst ? w.foreignWord : w.japanese;
    case NumberColumn:
        return QString::number(row.number);
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
        return {};
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

void SortWordList(QList<WordListRow> &rows, int column, int direction, bool foreignFirst,
                  const QLocale &locale)
{
    if (!WordListSort::sorts(column))
        return;
    const bool foreign = column == ForeignWordColumn(foreignFirst);
    // One key per row: lower-casing inside the comparison would cost a copy per call.
    QStringList keys;
    keys.reserve(rows.size());
    for (const WordListRow &row : rows) {
        const QString text = WordListCellText(row, column, foreignFirst);
        keys.append(foreign ? locale.toLower(text) : text);
    }
    SortRowsByKeys(rows, keys, direction);
    Renumber(rows);
}

bool WordListSort::sortByColumn(QList<WordListRow> &rows, int column, bool foreignFirst,
                                const QLocale &locale)
{
    if (!sorts(column))
        return false;
    directions[column] = -directions[column];
    SortWordList(rows, column, directions[column], foreignFirst, locale);
    return true;
}
