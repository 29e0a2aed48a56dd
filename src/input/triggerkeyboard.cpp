#include "triggerkeyboard.h"

#include <QDir>

namespace {

constexpr char16_t kUnshifted[TriggerKeyCount + 1] =
    u"\u534A1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./\\";
constexpr char16_t kShifted[TriggerKeyCount + 1] =
    u"\u5168!\"#$%&'()\0=~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_";

static_assert(sizeof(kUnshifted) / sizeof(char16_t) == TriggerKeyCount + 1);
static_assert(sizeof(kShifted) / sizeof(char16_t) == TriggerKeyCount + 1);

} // namespace

char16_t TriggerKeyUnshifted(int key)
{
    return key >= 0 && key < TriggerKeyCount ? kUnshifted[key] : 0;
}

char16_t TriggerKeyShifted(int key)
{
    return key >= 0 && key < TriggerKeyCount ? kShifted[key] : 0;
}

int TriggerKeyRow(int key)
{
    if (key < 14)
        return 0;
    if (key < 26)
        return 1;
    if (key < 38)
        return 2;
    return 3;
}

TriggerKeyFace TriggerKeyFaceOf(int key, KeyboardCase state, const CandidateTables &letterTables)
{
    TriggerKeyFace face;
    face.character =
        state == KeyboardCase::Lower ? TriggerKeyUnshifted(key) : TriggerKeyShifted(key);
    face.enabled = key != 0 && face.character != 0;
    face.trigger = face.character != 0 && HasCandidates(letterTables, face.character);
    face.label = TriggerKeyShifted(key);
    face.labelTrigger = face.label != 0 && HasCandidates(letterTables, face.label);
    return face;
}

QString TriggerKeyCaption(char16_t c)
{
    if (c == 0)
        return QString();
    if (c == u'&')
        return QStringLiteral("&&");
    return QString(QChar(c));
}

int FitFontSize(const std::function<QSize(int pointSize)> &measure, int maxWidth, int maxHeight)
{
    // A measure that never grows (no font at all) must not hang the layout.
    constexpr int kLargest = 1000;
    constexpr int kSmallest = 8;
    const auto fits = [&](int points) {
        const QSize s = measure(points);
        return s.width() < maxWidth && s.height() < maxHeight;
    };
    // The first size that no longer fits, found as a climb from 8 would find it: each size
    // measured is a font loaded, so start from the proportional guess and step to it.
    const QSize smallest = measure(kSmallest);
    if (smallest.width() >= maxWidth || smallest.height() >= maxHeight)
        return kSmallest - 3;
    qint64 guess = kLargest;
    if (smallest.width() > 0)
        guess = qMin(guess, qint64(kSmallest) * maxWidth / smallest.width());
    if (smallest.height() > 0)
        guess = qMin(guess, qint64(kSmallest) * maxHeight / smallest.height());
    int size = int(qBound(qint64(kSmallest + 1), guess, qint64(kLargest)));
    if (fits(size)) {
        while (size < kLargest && fits(++size)) {
        }
    } else {
        while (size - 1 > kSmallest && !fits(size - 1))
            --size;
    }
    return size - 3;
}

TriggerKeyboardLayout LayoutTriggerKeyboard(int W, int H, double capsHeightFactor)
{
    TriggerKeyboardLayout l;
    l.T = H / 10;
    l.C = (W - 4) / 14;
    l.P = (H - (H / 10) * 2 / 3) / 4;
    l.K = l.P * 2 / 3;
    for (int i = 0; i < TriggerKeyCount; ++i) {
        int left;
        int top;
        switch (TriggerKeyRow(i)) {
        case 0:
            left = 4 + l.C * i;
            top = l.T;
            break;
        case 1:
            left = 4 + int(l.C * (i - 14 + 1.5));
            top = l.T + l.P;
            break;
        case 2:
            left = 4 + int(l.C * (i - 26 + 1.8));
            top = l.T + 2 * l.P;
            break;
        default:
            left = 4 + int(l.C * (i - 38 + 2.2));
            top = l.T + 3 * l.P;
            break;
        }
        l.keys[i] = QRect(left, top, l.C, l.K);
    }
    l.caps = QRect(4, l.T + int(l.P * 2.95), 2 * l.C, int(l.K * capsHeightFactor));
    l.direct = QRect(4, l.T + int(l.P * 0.8), 35, 0);
    l.revival = QRect(4, l.T + int(l.P * 1.4), 35, 0);
    l.listing = QRect(4, l.T + 2 * l.P, int(l.C * 1.8), int(l.K * 1.2));
    l.labelBox = int(0.9 * l.T);
    return l;
}

QString CandidateListPath(const QString &tableFolder, const QString &candidateFile)
{
    // The extension is what follows the last dot of the file name, if any.
    const qsizetype slash = candidateFile.lastIndexOf(u'/');
    const qsizetype dot = candidateFile.lastIndexOf(u'.');
    const QString base = dot > slash ? candidateFile.left(dot) : candidateFile;
    return QDir(tableFolder).filePath(base + QStringLiteral(".html"));
}
