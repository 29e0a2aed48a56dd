// The symbol palette page ("記号奥の手") without widgets: the ten category buttons and
// the category list, the 100 cells each category fills, the names the language sets
// take from their symbol databases, the cell hints and the layout formulas.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

inline constexpr int PaletteCellCount = 100; // 5 rows of 20
inline constexpr int PaletteColumns = 20;
inline constexpr int PaletteButtonCount = 10;
inline constexpr int PaletteListCount = 25;

struct PaletteCell
{
    QString text;         // one character; empty for an empty cell
    QString cornerLabel;  // language sets only
    QString japaneseName; // language sets only
    bool red = false;     // the "R" mark: a language-specific letter, framed in red
    bool isEmpty() const { return text.isEmpty(); }
    bool operator==(const PaletteCell &) const = default;
};
using PaletteCells = std::array<PaletteCell, PaletteCellCount>;

struct PaletteButtonInfo
{
    QString text;
    QString family; // "Times New Roman" or "ＭＳ Ｐゴシック"
    bool bold = false;
    QString hint;
    QString languageFile; // "DBFrench.csv" for the language sets, else empty
};
// Buttons 0 to 9: punctuation, combining marks I and II, the seven languages.
const PaletteButtonInfo &PaletteButton(int button);
// The 25 items of the category list; item 0 fills nothing.
const QStringList &PaletteListItems();

// The cells of a category button or list item, without names. Out of range: empty.
PaletteCells PaletteButtonCells(int button);
PaletteCells PaletteListCells(int item);

// Corner labels (English-name field with "#$XXXX" expanded) and Japanese names from the
// lines of a language's symbol database, for every filled cell whose first character
// the database knows. Other cells keep theirs.
void ApplyLanguageNames(PaletteCells &cells, const QStringList &databaseLines);

// The hint of a filled cell: the Japanese name (or, when the cell has none, the given
// name), "  Unicode: " and the code of the first character.
QString PaletteCellHint(const PaletteCell &cell, const QString &otherName = QString());

// What a cell or the preview draws for its text: a combining mark stands on a dotted
// circle so that it can be seen; what is inserted stays the mark alone.
QString PaletteGlyphText(const QString &text);

struct SymbolPaletteLayout
{
    int C = 0; // cell unit
    std::array<QRect, PaletteCellCount> cells;
    QRect preview;
    QRect hexField; // left, top and width; the height is the field's own
    std::array<QRect, PaletteButtonCount> buttons;
    QRect list; // left, top and width
    std::array<QRect, 2> separators;
    bool operator==(const SymbolPaletteLayout &) const = default;
};
// W: the scroll box width less the width of a vertical scroll bar.
SymbolPaletteLayout LayoutSymbolPalette(int W);
