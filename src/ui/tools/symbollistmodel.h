// The rows of a symbol database as both table editors list them: grouped under their
// group headings (a heading row before each group's rows), drawn with the editors'
// fonts and colours. The model owns the database; the editors change it through here.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QStyledItemDelegate>
#include <QTableView>

#include "symboldb.h"

class SymbolListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NoColumn, CodeColumn, GlyphColumn, EnglishColumn, JapaneseColumn, AuxColumn,
                  NotesColumn, ColumnCount };
    enum Roles {
        HeadingRole = Qt::UserRole + 1, // true on a group heading row
        AttentionRole,                  // the notes hold "注"
        RecordIndexRole,                // the row's index in the database, -1 for a heading
    };

    // codeCaption: the caption of the code column ("Unicode", "ﾕﾆｺｰﾄﾞ").
    explicit SymbolListModel(const QString &codeCaption, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const SymbolDatabase &database() const { return m_db; }
    const QList<SymbolRecord> &records() const { return m_db.records; }
    void setDatabase(SymbolDatabase db);

    // Changes the record in place (its group stays where it is shown).
    void setRecord(qsizetype index, const SymbolRecord &record);
    // Insertion and deletion renumber every row.
    void insertRecord(qsizetype index, const SymbolRecord &record);
    void removeRecord(qsizetype index);

    // The record of a list row, -1 for a heading; the list row of a record.
    qsizetype recordAt(int row) const;
    int rowOf(qsizetype record) const;
    bool isHeading(int row) const { return recordAt(row) < 0; }
    QList<int> headingRows() const;

private:
    void rebuildRows();

    QString m_codeCaption;
    SymbolDatabase m_db;
    // Per list row: a record index, or -(heading number + 1).
    QList<qsizetype> m_rows;
    QList<int> m_rowOfRecord;
    QStringList m_headings;
};

class SymbolListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit SymbolListDelegate(QObject *parent = nullptr);
    void setGlyphFont(const QFont &font) { m_glyphFont = font; }
    const QFont &glyphFont() const { return m_glyphFont; }
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    QFont m_glyphFont;
};

// The list itself: rows 28 pixels high, whole-row selection of one record at a time,
// read-only, heading rows across all columns.
class TSymbolList : public QTableView
{
    Q_OBJECT

public:
    TSymbolList(SymbolListModel *model, QWidget *parent = nullptr);

    SymbolListModel *symbols() const { return m_model; }
    SymbolListDelegate *painter() const { return m_delegate; }
    void setGlyphFont(const QFont &font);
    void setColumnWidths(const QList<int> &widths);

    // -1 when no record is selected.
    qsizetype selectedRecord() const;
    // Selects the record (or nothing for -1) and scrolls it into view.
    void selectRecord(qsizetype record);

Q_SIGNALS:
    // The selection moved to a record, or to none (-1).
    void recordSelected(qsizetype record);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void applySpans();

    SymbolListModel *m_model;
    SymbolListDelegate *m_delegate;
    qsizetype m_selected = -1;
};
