// The symbol palette ("記号奥の手"): ten category buttons, the category list, the hex
// field with its preview button and a grid of 100 cells painted in one widget, inside a
// scroll box; beside it a field that finds characters by name. Every insertion goes to
// the owner (insertRequested). The controls are made the first time the page is shown,
// and the grid is laid out and drawn only while the page is shown.
#pragma once

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>

#include "symbolpalette.h"
#include "symbolsearch.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
struct AppFolders;
struct Settings;

// The 100 cells, painted; a click on a filled cell highlights it and reports it.
class TSymbolGrid : public QWidget
{
    Q_OBJECT

public:
    explicit TSymbolGrid(QWidget *parent = nullptr);

    void setCells(const PaletteCells &cells);
    const PaletteCells &cells() const { return m_cells; }
    // C: the cell unit; glyphFamily: UsrMainFont. Every cell is then drawn as normal.
    void setUnit(int C, const QString &glyphFamily);
    int unit() const { return m_C; }
    QRect cellRect(int i) const;
    int cellAt(const QPoint &at) const;
    // The remembered cell (-1: none) and whether it is drawn highlighted now.
    int selectedCell() const { return m_selected; }
    bool highlightShown() const { return m_shown; }
    void highlight(int i);
    void clearSelection();
    QString hintOf(int i) const;
    // Whether the fonts of the desktop draw the text in the glyph font (with its
    // fallbacks); a cell they cannot draw shows its code instead of an empty box.
    bool canDraw(const QString &text) const;

Q_SIGNALS:
    void cellClicked(int i);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PaletteCells m_cells;
    int m_C = 0;
    QString m_glyphFamily;
    int m_glyphPoints = 8;
    int m_cornerPoints = 8;
    int m_selected = -1;
    bool m_shown = false;
    int m_pressed = -1;
    mutable QHash<QString, bool> m_drawable;
};

class TSymbolPalette : public QWidget
{
    Q_OBJECT

public:
    // settings (UsrMainFont) and folders (TableFolder) belong to the main window and
    // outlive the page. japaneseLayout runs when the hex field is entered.
    TSymbolPalette(const Settings &settings, const AppFolders &folders,
                   std::function<void()> japaneseLayout, QWidget *parent = nullptr);
    ~TSymbolPalette() override;

    // Category button i clicked (pressing the one that is down pops it up).
    void ClickCategoryButton(int i);
    void ChooseListItem(int item);
    // Fills the grid with the characters whose names match (up to 100).
    void SearchByName(const QString &query);
    void LayoutSymbolPalette();
    void ClickCell(int i);
    void ClickPreview();

    TSymbolGrid *grid();
    QPushButton *categoryButton(int i);
    QComboBox *categoryList();
    QLineEdit *hexField();
    QPushButton *previewButton();
    QLineEdit *searchField();
    QLabel *searchInfo();
    // The text the preview inserts (a combining mark is shown on a dotted circle).
    QString previewText() const { return m_previewText; }
    const SymbolPaletteLayout &layoutValues() const { return m_layout; }
    int layoutPasses() const { return m_layoutPasses; }

Q_SIGNALS:
    void insertRequested(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ensureBuilt();
    void categoryToggled(int i);
    void showCells(const PaletteCells &cells);
    void popUpButtons(int except);
    void setPreview(const QString &text);
    void hexChanged(const QString &text);
    void ensureIndex();

    const Settings &m_settings;
    const AppFolders &m_folders;
    std::function<void()> m_japaneseLayout;
    bool m_built = false;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_content = nullptr;
    TSymbolGrid *m_grid = nullptr;
    QPushButton *m_preview = nullptr;
    QLineEdit *m_hex = nullptr;
    std::array<QPushButton *, PaletteButtonCount> m_buttons{};
    std::array<QFrame *, 2> m_separators{};
    QComboBox *m_list = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_searchInfo = nullptr;
    QString m_previewText;
    SymbolPaletteLayout m_layout;
    int m_layoutPasses = 0;
    std::unique_ptr<SymbolNameIndex> m_index;
    QStringList m_indexFiles; // the databases the index holds, with their times and sizes
};
