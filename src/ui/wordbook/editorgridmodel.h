// The grid of the word-book editor: a table model over the rows of the book, cells
// exactly as stored, and the delegate that paints them with the three fonts.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QStyledItemDelegate>

#include "editorbook.h"

class EditorGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 9; // "●", "No", then the seven fields
    static constexpr int FirstField = 2;

    explicit EditorGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A typed or pasted text is stored as the file will hold it (StoredCellText).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The rows at once, blank rows added up to rowCount.
    void setRows(QList<EditorRow> rows, int rowCount, bool numbered);
    // The rows up to the last one ever filled; the blank rows after them are not held.
    const QList<EditorRow> &rows() const { return m_rows; }
    QString cell(int row, int field) const
    {
        return row >= 0 && row < m_rows.size() ? m_rows[row][field] : QString();
    }
    void setCell(int row, int field, const QString &text);

    void setLanguageName(const QString &name);
    void setNumbered(bool on);
    bool numbered() const { return m_numbered; }
    int currentRow() const { return m_current; }
    // The "●" row; -1 clears the mark.
    void setCurrentRow(int row);

    void appendBlankRows(int count);
    // A blank row at row, the rows from there moving down by one.
    void insertBlankRow(int row);
    // The rows below row move up by one and a blank row is added at the end.
    void removeRowKeepingCount(int row);

Q_SIGNALS:
    void cellEdited(int row, int field);

private:
    QList<EditorRow> m_rows;
    int m_blankRows = 0; // rows after m_rows, all blank
    QStringList m_captions;
    int m_current = -1;
    bool m_numbered = false;
};

struct EditorGridLook
{
    QFont foreignFont;
    QFont phoneticFont;
    QFont japaneseFont;
    QColor phoneticBackground;
    QColor background;
};

class EditorGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit EditorGridDelegate(QObject *parent = nullptr);
    void setLook(const EditorGridLook &look) { m_look = look; }
    const EditorGridLook &look() const { return m_look; }
    // The font a cell is drawn and edited in.
    QFont cellFont(int column) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorGridLook m_look;
};
