#include "candorderedit.h"

#include <QHash>

#include <algorithm>
#include <cmath>

#include "keylayout.h"
#include "splitcommatext.h"
#include "symboldbedit.h"

namespace {

constexpr char16_t DoubleQuote = u'"';
constexpr qsizetype FieldCount = 10;

bool isShownLineOf(const QStringList &fields, QChar key)
{
    if (fields.size() != FieldCount)
        return false;
    if (key == DoubleQuote)
        return fields[0] == u"0022";
    return fields[0].startsWith(key);
}

bool hasCandidate(const QStringList &fields)
{
    for (qsizetype i = 1; i < fields.size(); ++i)
        if (!fields[i].isEmpty())
            return true;
    return false;
}

} // namespace

QList<QChar> CandidateEditorKeys()
{
    QList<QChar> keys;
    for (char16_t c : KeyLayoutTable())
        if (c != 0 && !keys.contains(QChar(c)))
            keys.append(QChar(c));
    std::sort(keys.begin(), keys.end());
    return keys;
}

QString TriggerFieldOf(QChar key)
{
    return key == DoubleQuote ? QStringLiteral("0022") : QString(key);
}

qsizetype ShownLineOf(const QStringList &lines, QChar key)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (isShownLineOf(SplitCommaText(lines[i]), key))
            return i;
    return -1;
}

bool KeyHasCandidates(const QStringList &lines, QChar key)
{
    for (const QString &line : lines) {
        const QStringList fields = SplitCommaText(line);
        if (isShownLineOf(fields, key) && hasCandidate(fields))
            return true;
    }
    return false;
}

QSet<QChar> KeysWithCandidates(const QStringList &lines, const QList<QChar> &keys)
{
    QSet<QChar> found;
    for (const QString &line : lines) {
        const QStringList fields = SplitCommaText(line);
        if (fields.size() != FieldCount || !hasCandidate(fields))
            continue;
        for (QChar key : keys)
            if (isShownLineOf(fields, key))
                found.insert(key);
    }
    return found;
}

qsizetype RegisteredLineOf(const QStringList &lines, QChar key)
{
    const QString field = TriggerFieldOf(key);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = SplitCommaText(lines[i]);
        if (fields.size() == FieldCount && fields[0] == field)
            return i;
    }
    return -1;
}

QStringList NewCandidateOrderLines(const QList<QChar> &keys)
{
    QStringList lines;
    for (QChar key : keys)
        lines.append(QuoteCommaField(TriggerFieldOf(key)) + QString(9, u','));
    return lines;
}

QString CandidateOrderLine(QChar key, const QStringList &codes)
{
    QString line = QuoteCommaField(TriggerFieldOf(key));
    for (int i = 0; i < 9; ++i)
        line += u',' + QuoteCommaField(i < codes.size() ? codes[i] : QString());
    return line;
}

void RegisterCandidates(QStringList &lines, QChar key, const QStringList &codes)
{
    const QString line = CandidateOrderLine(key, codes);
    const qsizetype at = RegisteredLineOf(lines, key);
    if (at >= 0)
        lines[at] = line;
    else
        lines.append(line);
}

QStringList CandidateNos(const QString &line, const QList<SymbolRecord> &records)
{
    const QStringList fields = SplitCommaText(line);
    QHash<QString, int> firstNo;
    for (qsizetype i = 1; i < fields.size() && i < FieldCount; ++i)
        firstNo.insert(fields[i], 0);
    for (const SymbolRecord &r : records) {
        auto it = firstNo.find(r.code);
        if (it != firstNo.end() && it.value() == 0)
            it.value() = r.no;
    }
    QStringList nos;
    for (qsizetype i = 1; i < FieldCount; ++i) {
        const int no = i < fields.size() && !fields[i].isEmpty() ? firstNo.value(fields[i]) : 0;
        nos.append(no > 0 ? QString::number(no) : QString());
    }
    return nos;
}

QStringList CandidateCodesOfNos(const QStringList &nos, const QList<SymbolRecord> &records)
{
    QStringList codes;
    for (int i = 0; i < 9; ++i) {
        const qsizetype row = i < nos.size() ? FindRecordByNoText(records, nos[i]) : -1;
        codes.append(row >= 0 ? records[row].code : QString());
    }
    return codes;
}

QString RegisteredMessage(QChar key)
{
    return QStringLiteral("トリガーキー\"") + key +
           QStringLiteral("\"の候補を登録しました。\r\n"
                          "上書または保存ボタンを押すまでは候補順ファイルを更新しません。");
}

QString OverwriteQuestion(const QString &path)
{
    return u'"' + path + QStringLiteral("\"が既に存在します。上書きしますか？");
}

QList<QRect> CandidateKeyboardRects(int width, int height)
{
    const double column = std::max(0, width - 16) / 13.0;
    const double row = std::max(0, height - 72) / 4.0;
    const int keyWidth = int(std::lround(column * 0.95));
    const int keyHeight = int(std::lround(row * 0.95));
    const auto place = [&](int key) {
        int line = 0;
        double offset = 0;
        int first = 0;
        if (key >= 37) {
            line = 3, offset = 1.5, first = 37;
        } else if (key >= 25) {
            line = 2, offset = 1, first = 25;
        } else if (key >= 13) {
            line = 1, offset = 0.5, first = 13;
        }
        const int left = 8 + int(std::lround(column * (offset + key - first)));
        const int top = 36 + int(std::lround(row * line));
        const bool half = IsHalfHeightKey(key);
        return QRect(left, top, keyWidth, half ? keyHeight / 2 : keyHeight);
    };
    QList<QRect> rects(KeyLayoutCount);
    for (int key = 0; key < KeyLayoutLowerFirst; ++key)
        rects[key] = place(key);
    for (int key = KeyLayoutLowerFirst; key < KeyLayoutCount; ++key) {
        const QRect upper = rects[UpperHalfOf(key)];
        rects[key] = upper.translated(0, upper.height());
    }
    return rects;
}
