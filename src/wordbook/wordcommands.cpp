#include "wordcommands.h"

#include "wordcolour.h"

WordEntry TrimmedWordFields(const WordEntry &entered)
{
    WordEntry word;
    word.foreignWord = entered.foreignWord.trimmed();
    word.phoneticSymbols = entered.phoneticSymbols.trimmed();
    word.phoneticKana = entered.phoneticKana.trimmed();
    word.japanese = entered.japanese.trimmed();
    word.notes = entered.notes.trimmed();
    word.voiceFile = entered.voiceFile.trimmed();
    return word;
}

bool CanStoreWord(const WordEntry &trimmed)
{
    return !trimmed.foreignWord.isEmpty();
}

QString EmptyWordWarning()
{
    return QStringLiteral("単語が空欄だと登録できません。");
}

int InsertWordRow(QList<WordEntry> &rows, int position, const WordEntry &word)
{
    const int at = qBound(0, position, int(rows.size()));
    rows.insert(at, word);
    return at;
}

bool ReplaceWordFields(QList<WordEntry> &rows, int row, const WordEntry &fields)
{
    if (row < 0 || row >= rows.size())
        return false;
    WordEntry &word = rows[row];
    const QString colour = word.textColour;
    word = fields;
    word.textColour = colour;
    return true;
}

QStringList WordNumbers(int count)
{
    QStringList numbers;
    numbers.reserve(qMax(0, count));
    for (int i = 1; i <= count; ++i)
        numbers.append(QString::number(i));
    return numbers;
}

QStringList MoveTargetNumbers(int count, int ownNumber)
{
    QStringList numbers;
    numbers.reserve(qMax(0, count));
    for (int i = 1; i <= count; ++i)
        if (i != ownNumber)
            numbers.append(QString::number(i));
    return numbers;
}

std::optional<int> ListNumber(const QString &text, int count)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > count)
        return std::nullopt;
    return number;
}

int MoveWordRow(QList<WordEntry> &rows, int source, int target)
{
    const int n = int(rows.size());
    if (source < 0 || source >= n || target < 1 || target > n)
        return -1;
    const int at = target - 1;
    // The copy goes in first; the old row has moved one down when it lay below it.
    rows.insert(at, rows[source]);
    const int old = source >= at ? source + 1 : source;
    rows.removeAt(old);
    return old < at ? at - 1 : at;
}

bool DeleteWordRow(QList<WordEntry> &rows, int row)
{
    if (row < 0 || row >= rows.size())
        return false;
    rows.removeAt(row);
    return true;
}

std::optional<QString> ColourValueToStore(const QString &text)
{
    if (text == QStringLiteral("#000000"))
        return QString();
    if (text.isEmpty() || IsColourCode(text))
        return text;
    return std::nullopt;
}
