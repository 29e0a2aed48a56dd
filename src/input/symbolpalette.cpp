#include "symbolpalette.h"

#include "hexcode.h"

namespace {

const QString Roman = QStringLiteral("Times New Roman");
const QString Gothic = QStringLiteral("ＭＳ Ｐゴシック");

// Consecutive code points from a cell on.
void range(PaletteCells &cells, int cell, char16_t first, char16_t last)
{
    for (char16_t c = first; c <= last && cell < PaletteCellCount; ++c, ++cell)
        cells[cell].text = QString(QChar(c));
}

// The characters of a text in consecutive cells from a cell on.
void chars(PaletteCells &cells, int cell, QStringView text)
{
    for (QChar c : text) {
        if (cell >= PaletteCellCount)
            return;
        cells[cell++].text = QString(c);
    }
}

const QString UpperAZ = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString LowerAZ = QStringLiteral("abcdefghijklmnopqrstuvwxyz");

PaletteCells punctuation()
{
    PaletteCells c;
    chars(c, 0, u"\u00B7\u2010");
    range(c, 2, 0x2012, 0x2027);
    range(c, 24, 0x2032, 0x205E);
    chars(c, 70, u"\u00A6\u00A7\u00A8\u00AB\u00BB\u00AC\u00AF\u00B4\u00B6\u00B8\u00A1\u00BF");
    chars(c, 83, u"\u2934\u2935");
    return c;
}

// Upper-case letters from cell 0, lower-case from cell 60; every letter outside ASCII
// has the red mark.
PaletteCells language(int button)
{
    PaletteCells c;
    switch (button) {
    case 3: // English
        chars(c, 0, UpperAZ);
        chars(c, 27, u"#$");
        chars(c, 31, u"@`+*[]\"'~123456789");
        chars(c, 49, u"0");
        chars(c, 51, u",.;:()!?/");
        chars(c, 60, LowerAZ);
        chars(c, 87, u"%&");
        chars(c, 91, u"<>=-{}|_\\");
        break;
    case 4: // French
        chars(c, 0, UpperAZ);
        chars(c, 26, u"ÉÀÈÙÂÊÎÔÛËÏÜŒÆ");
        chars(c, 58, u"Çç");
        chars(c, 60, LowerAZ);
        chars(c, 86, u"éàèùâêîôûëïüœæ");
        break;
    case 5: // German
        chars(c, 0, UpperAZ);
        chars(c, 26, u"ÄÖÜ");
        chars(c, 60, LowerAZ);
        chars(c, 86, u"äöüß");
        break;
    case 6: // Spanish
        chars(c, 0, u"ABCDEFGHIJKLMNÑOPQRSTUVWXYZÁÉÍÓÚÜ");
        chars(c, 60, u"abcdefghijklmnñopqrstuvwxyzáéíóúü");
        break;
    case 7: // Italian
        chars(c, 0, UpperAZ);
        chars(c, 26, u"ÀÈÒÉÍÓÚÂÊÎÔÛ");
        chars(c, 60, LowerAZ);
        chars(c, 86, u"àèòéíóúâêîôû");
        break;
    case 8: // Portuguese
        chars(c, 0, UpperAZ);
        chars(c, 26, u"ÁÉÍÓÚÂÊÔÃÕÀÜÇ");
        chars(c, 60, LowerAZ);
        chars(c, 86, u"áéíóúâêôãõàüç");
        break;
    case 9: // Dutch
        chars(c, 0, u"ABCDEFGHIJKLMNOPQRSTUVWX\u0132YZÄËÏÖÜÁÉÍÓÚÈ");
        chars(c, 60, u"abcdefghijklmnopqrstuvwx\u0133yzäëïöüáéíóúè");
        break;
    default:
        break;
    }
    for (PaletteCell &cell : c)
        cell.red = !cell.text.isEmpty() && cell.text.at(0).unicode() > 0x7F;
    return c;
}

PaletteCells latin1()
{
    PaletteCells c;
    range(c, 0, 0xC0, 0xC5);
    range(c, 6, 0xE0, 0xE5);
    chars(c, 12, u"\u00AA\u00C6\u00E6\u00A9\u00D0\u00F0\u00A1\u00BF");
    range(c, 20, 0xC8, 0xCA);
    chars(c, 24, u"\u00CB\u00A2");
    range(c, 26, 0xE8, 0xEA);
    chars(c, 30, u"\u00EB\u00A8\u00B9\u00C7\u00E7\u00B8\u00DE\u00FE\u00A7\u00B6");
    range(c, 40, 0xCC, 0xCE);
    chars(c, 44, u"\u00CF\u00A3");
    range(c, 46, 0xEC, 0xEE);
    chars(c, 50, u"\u00EF\u00B0\u00B2\u00D1\u00F1\u00DF\u00AB\u00B7\u00BB\u00B5");
    range(c, 60, 0xD2, 0xD6);
    chars(c, 65, u"\u00A4");
    range(c, 66, 0xF2, 0xF6);
    chars(c, 71, u"\u00AF\u00BA\u00D8\u00F8\u00AE\u00A6\u00BC\u00BD\u00BE");
    range(c, 80, 0xD9, 0xDB);
    chars(c, 83, u"\u00AD\u00DC\u00A5");
    range(c, 86, 0xF9, 0xFB);
    chars(c, 89, u"\u00B7\u00FC\u00B4\u00B3\u00DD\u00FD\u00FF\u00B1\u00D7\u00F7\u00AC");
    return c;
}

PaletteCells arithmetic()
{
    PaletteCells c;
    chars(c, 0, u"\u00B1\u00D7\u00F7\u00B5%\u2030\u2031\u00B0\u203B");
    chars(c, 20, u"\u00BD\u2153\u2154\u00BC\u00BE");
    range(c, 25, 0x2155, 0x215A);
    chars(c, 31, u"\u2150");
    range(c, 32, 0x215B, 0x215E);
    chars(c, 36, u"\u2151\u2152\u215F\u2189");
    chars(c, 60, u"\u00B9\u00B2\u00B3");
    range(c, 63, 0x2074, 0x2079);
    chars(c, 69, u"\u2070");
    range(c, 70, 0x207A, 0x207E);
    chars(c, 75, u"\u2071\u207F\u00AA\u00BA");
    range(c, 80, 0x2081, 0x2089);
    chars(c, 89, u"\u2080");
    range(c, 90, 0x208A, 0x208E);
    range(c, 95, 0x2090, 0x2094);
    return c;
}

PaletteCells currency()
{
    PaletteCells c;
    chars(c, 0, u"$\u00A2\u00A3\u00A4\u00A5\u20AC\u20A9");
    range(c, 7, 0x20A0, 0x20A8);
    chars(c, 16, u"\u20AA\u20AB");
    range(c, 18, 0x20AD, 0x20B8);
    chars(c, 30, u"\u0E3F");
    chars(c, 40, u"\u00A9\u00AE");
    chars(c, 80, u"\uFF04\uFFE0\uFFE1");
    chars(c, 84, u"\uFFE5");
    chars(c, 86, u"\uFFE6");
    return c;
}

PaletteCells romanNumerals()
{
    PaletteCells c;
    range(c, 0, 0x2160, 0x216B);
    range(c, 20, 0x2170, 0x217B);
    range(c, 40, 0x2474, 0x2487);
    range(c, 60, 0x249C, 0x24B5);
    chars(c, 92, u".()[]{}");
    return c;
}

PaletteCells greek()
{
    PaletteCells c;
    range(c, 0, 0x0391, 0x03A1);
    range(c, 18, 0x03A3, 0x03A9);
    range(c, 60, 0x03B1, 0x03C9);
    return c;
}

PaletteCells block(char16_t first, char16_t last)
{
    PaletteCells c;
    range(c, 0, first, last);
    return c;
}

} // namespace

const PaletteButtonInfo &PaletteButton(int button)
{
    static const std::array<PaletteButtonInfo, PaletteButtonCount> buttons = {{
        {QStringLiteral("…"), Roman, false, QStringLiteral("句読点"), QString()},
        {QStringLiteral("a\u0301"), Roman, false, QStringLiteral("組合せ記号Ⅰ"), QString()},
        {QStringLiteral("a\u0361e"), Roman, false, QStringLiteral("組合せ記号Ⅱ"), QString()},
        {QStringLiteral("英"), Gothic, true, QStringLiteral("英語"), QStringLiteral("DBEnglish.csv")},
        {QStringLiteral("仏"), Gothic, false, QStringLiteral("フランス語"),
         QStringLiteral("DBFrench.csv")},
        {QStringLiteral("独"), Gothic, false, QStringLiteral("ドイツ語"),
         QStringLiteral("DBGerman.csv")},
        {QStringLiteral("西"), Gothic, false, QStringLiteral("スペイン語"),
         QStringLiteral("DBSpanish.csv")},
        {QStringLiteral("伊"), Gothic, false, QStringLiteral("イタリア語"),
         QStringLiteral("DBItalian.csv")},
        {QStringLiteral("葡"), Gothic, false, QStringLiteral("ポルトガル語"),
         QStringLiteral("DBPortuguese.csv")},
        {QStringLiteral("蘭"), Gothic, false, QStringLiteral("オランダ語"),
         QStringLiteral("DBDutch.csv")},
    }};
    static const PaletteButtonInfo none;
    return button >= 0 && button < PaletteButtonCount ? buttons[button] : none;
}

const QStringList &PaletteListItems()
{
    static const QStringList items = {
        QStringLiteral("左のボタン以外↓"), QStringLiteral("ラテン1補足"),
        QStringLiteral("スペース調整文字"), QStringLiteral("算数記号"),
        QStringLiteral("通貨記号"),         QStringLiteral("矢 印"),
        QStringLiteral("ローマ数字"),       QStringLiteral("飾り文字Ⅰ"),
        QStringLiteral("飾り文字Ⅱ"),        QStringLiteral("幾何学図形"),
        QStringLiteral("シンボルⅠ"),        QStringLiteral("シンボルⅡ"),
        QStringLiteral("数学記号Ⅰ"),        QStringLiteral("数学記号Ⅱ"),
        QStringLiteral("数学記号Ⅲ"),        QStringLiteral("ギリシア文字"),
        QStringLiteral("ラテン拡張A1"),     QStringLiteral("ラテン拡張A2"),
        QStringLiteral("ラテン拡張B1"),     QStringLiteral("ラテン拡張B2"),
        QStringLiteral("ラテン拡張B3"),     QStringLiteral("ラテン拡張C"),
        QStringLiteral("ラテン拡張追加1"),  QStringLiteral("ラテン拡張追加2"),
        QStringLiteral("ラテン拡張追加3"),
    };
    return items;
}

PaletteCells PaletteButtonCells(int button)
{
    switch (button) {
    case 0:
        return punctuation();
    case 1:
        return block(0x0300, 0x034E);
    case 2:
        return block(0x0350, 0x036F);
    default:
        return language(button);
    }
}

PaletteCells PaletteListCells(int item)
{
    switch (item) {
    case 1:
        return latin1();
    case 2:
        return block(0x02B0, 0x02FF);
    case 3:
        return arithmetic();
    case 4:
        return currency();
    case 5:
        return block(0x2190, 0x21F3);
    case 6:
        return romanNumerals();
    case 7:
        return block(0x2701, 0x2760);
    case 8:
        return block(0x2761, 0x27BF);
    case 9:
        return block(0x25A0, 0x25FF);
    case 10:
        return block(0x2600, 0x265F);
    case 11:
        return block(0x2660, 0x26BF);
    case 12:
        return block(0x2200, 0x225F);
    case 13:
        return block(0x2260, 0x22BF);
    case 14:
        return block(0x22C0, 0x22FF);
    case 15:
        return greek();
    case 16:
        return block(0x0100, 0x015F);
    case 17:
        return block(0x0160, 0x017F);
    case 18:
        return block(0x0180, 0x01DF);
    case 19:
        return block(0x01E0, 0x023F);
    case 20:
        return block(0x0240, 0x024F);
    case 21:
        return block(0x2C60, 0x2C7F);
    case 22:
        return block(0x1E00, 0x1E5F);
    case 23:
        return block(0x1E60, 0x1EBF);
    case 24:
        return block(0x1EC0, 0x1EFF);
    default:
        return {};
    }
}

void ApplyLanguageNames(PaletteCells &cells, const QStringList &databaseLines)
{
    for (PaletteCell &cell : cells) {
        if (cell.isEmpty())
            continue;
        SymbolNames names;
        if (!FindSymbolByCode(databaseLines, cell.text.at(0).unicode(), &names))
            continue;
        cell.cornerLabel = ExpandHexEscapes(names.englishName);
        cell.japaneseName = names.japaneseName;
    }
}

QString PaletteCellHint(const PaletteCell &cell, const QString &otherName)
{
    if (cell.isEmpty())
        return QString();
    const QString name = cell.japaneseName.isEmpty() ? otherName : cell.japaneseName;
    return name + QStringLiteral("  Unicode: ") + CodeText(cell.text.at(0).unicode());
}

QString PaletteGlyphText(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar::Category c = text.at(0).category();
    if (c == QChar::Mark_NonSpacing || c == QChar::Mark_Enclosing ||
        c == QChar::Mark_SpacingCombining)
        return QStringLiteral("\u25CC") + text;
    return text;
}

SymbolPaletteLayout LayoutSymbolPalette(int W)
{
    SymbolPaletteLayout l;
    const int C = (W - 2 * 6) / PaletteColumns;
    l.C = C;
    for (int i = 0; i < PaletteCellCount; ++i)
        l.cells[i] = QRect(6 + C * (i % PaletteColumns), 50 + C * (i / PaletteColumns), C - 2,
                           C - 2);
    l.preview = QRect(6 + C, 6, C - 2, 38);
    l.hexField = QRect(l.preview.left() + l.preview.width() + 2, 12, 2 * C, 0);
    for (int i = 0; i < PaletteButtonCount; ++i)
        l.buttons[i] = QRect(6 + (i + 5) * C, 6, C - 2, 38);
    l.list = QRect(6 + 16 * C, 12, 4 * C, 0);
    l.separators = {QRect(6 + int(4.5 * C), 6, 2, 38), QRect(6 + int(15.5 * C), 6, 2, 38)};
    return l;
}
