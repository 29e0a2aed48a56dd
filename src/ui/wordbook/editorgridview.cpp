#include "editorgridview.h"

#include <QHeaderView>
#include <QScrollBar>

EditorGridView::EditorGridView(int fixedColumns, QWidget *parent)
    : QTableView(parent), m_fixedColumns(fixedColumns), m_fixed(new QTableView(this))
{
    m_fixed->setObjectName(QStringLiteral("FixedColumns"));
    m_fixed->setFocusPolicy(Qt::NoFocus);
    m_fixed->verticalHeader()->hide();
    m_fixed->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_fixed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_fixed->setHorizontalScrollMode(ScrollPerPixel);
    m_fixed->setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(m_fixed);
    connect(m_fixed->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_fixed->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section < m_fixedColumns) {
                    m_fixed->setColumnWidth(section, size);
                    updateFixedGeometry();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { m_fixed->setRowHeight(section, size); });
}

void EditorGridView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    m_fixed->setModel(model);
    // Setting a model replaces the selection model: share the new one.
    m_fixed->setSelectionModel(selectionModel());
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { syncColumns(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { syncColumns(); });
    syncColumns();
}

void EditorGridView::setItemDelegate(QAbstractItemDelegate *delegate)
{
    QTableView::setItemDelegate(delegate);
    m_fixed->setItemDelegate(delegate);
}

void EditorGridView::syncColumns()
{
    if (!model())
        return;
    m_fixed->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    for (int c = 0; c < model()->columnCount(); ++c) {
        m_fixed->setColumnHidden(c, c >= m_fixedColumns);
        if (c < m_fixedColumns)
            m_fixed->setColumnWidth(c, columnWidth(c));
    }
    m_fixed->setFont(font());
    updateFixedGeometry();
}

void EditorGridView::updateFixedGeometry()
{
    int width = 0;
    for (int c = 0; c < m_fixedColumns; ++c)
        width += columnWidth(c);
    m_fixed->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), width,
                         viewport()->height() + horizontalHeader()->height());
    m_fixed->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    m_fixed->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
}

void EditorGridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateFixedGeometry();
}

QModelIndex EditorGridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // A cell moved to from the right must not hide under the fixed columns.
    if (cursorAction == MoveLeft && current.column() >= m_fixedColumns) {
        int fixedWidth = 0;
        for (int c = 0; c < m_fixedColumns; ++c)
            fixedWidth += columnWidth(c);
        if (visualRect(current).topLeft().x() < fixedWidth) {
            const int shift = visualRect(current).topLeft().x() - fixedWidth;
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + shift);
        }
    }
    return current;
}

void EditorGridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.column() >= m_fixedColumns)
        QTableView::scrollTo(index, hint);
    else
        QTableView::scrollTo(index.siblingAtColumn(m_fixedColumns), hint);
}
