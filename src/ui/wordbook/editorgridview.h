// The editor's grid view: the first columns ("●" and "No") stay in place while the
// others scroll sideways, drawn by an overlay view that shares the model and selection.
#pragma once

#include <QTableView>

class EditorGridView : public QTableView
{
    Q_OBJECT

public:
    explicit EditorGridView(int fixedColumns, QWidget *parent = nullptr);
    void setModel(QAbstractItemModel *model) override;
    void setItemDelegate(QAbstractItemDelegate *delegate);
    QTableView *fixedView() const { return m_fixed; }
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void updateFixedGeometry();
    void syncColumns();

    int m_fixedColumns;
    QTableView *m_fixed;
};
