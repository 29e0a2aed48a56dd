#include "phonetickeyboard.h"

#include "symbolpalette.h"
#include "triggerinput.h"
#include "triggerkeyboard.h"

PhoneticKeyboardLayout LayoutPhoneticKeyboard(int W, int H)
{
    PhoneticKeyboardLayout l;
    l.U = (W - 16) / 13;
    l.R = (H - 24) / 4;
    l.KW = int(0.95 * l.U);
    l.KH = int(0.95 * l.R);
    const int x0 = 8 + l.U - l.KW;
    const int y0 = 12 + l.R - l.KH;
    for (int i = 0; i < KeyLayoutLowerFirst; ++i) {
        QPoint at;
        if (i <= 12)
            at = {x0 + l.U * i, y0};
        else if (i <= 24)
            at = {x0 + l.U / 2 + l.U * (i - 13), y0 + l.R};
        else if (i <= 36)
            at = {x0 + l.U * (i - 24), y0 + 2 * l.R};
        else
            at = {x0 + int(1.5 * l.U) + l.U * (i - 37), y0 + 3 * l.R};
        l.keys[i] = QRect(at, QSize(l.KW, IsHalfHeightKey(i) ? l.KH / 2 : l.KH));
    }
    for (int k = KeyLayoutLowerFirst; k < KeyLayoutCount; ++k) {
        const QRect upper = l.keys[UpperHalfOf(k)];
        l.keys[k] = upper.translated(0, upper.height());
    }
    l.listing = QRect(8, y0 + 3 * l.R + int(0.1 * l.KH), int(1.6 * l.KW), int(0.8 * l.KH));
    return l;
}

int PhoneticKeyFontSize(const std::function<QSize(int pointSize)> &measure, int key,
                        int keyWidth, int keyHeight)
{
    const double f = key >= KeyLayoutLowerFirst ? 0.6 : 0.75;
    // The same climb as FitFontSize, without its final reduction.
    return FitFontSize(measure, int(f * keyWidth), int(f * keyHeight)) + 3;
}

bool IsActivePhoneticKey(int key, const CandidateTables &phoneticTables)
{
    const char16_t c = KeyLayoutChar(key);
    return c != 0 && HasCandidates(phoneticTables, c);
}

QString PhoneticKeyHint(int key, const CandidateTables &phoneticTables)
{
    if (!IsActivePhoneticKey(key, phoneticTables))
        return QString();
    const char16_t c = KeyLayoutChar(key);
    for (const TriggerEntry &e : phoneticTables.table.entries) {
        if (e.trigger() != c)
            continue;
        QStringList shown;
        for (int n = 1; n <= 9; ++n)
            if (!IsBlankUnit(e.candidate(n)))
                shown.append(PaletteGlyphText(QString(QChar(e.candidate(n)))));
        return shown.join(u' ');
    }
    return QString();
}
