#include "tsearchpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "folders.h"
#include "imechoice.h"
#include "qtcolour.h"
#include "searchhitmodel.h"
#include "triggerfields.h"
#include "tsearesfrm.h"
#include "wordbookfile.h"
#include "wordlist.h"

namespace {

constexpr int PanelHeight = 50;

QFont pointFont(const QString &family, int size = 12)
{
    QFont f(family);
    f.setPointSize(size);
    return f;
}

} // namespace

TSearchPage::TSearchPage(const SearchPageContext &context, QWidget *parent)
    : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("SearchPage"));
    const Settings &s = *m_context.settings;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    SeaPanel = new QFrame(this);
    SeaPanel->setObjectName(QStringLiteral("SeaPanel"));
    SeaPanel->setFixedHeight(PanelHeight);
    SeaPanel->setFrameShape(QFrame::Box);
    SeaPanel->setAutoFillBackground(true);
    QPalette face = SeaPanel->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    face.setColor(QPalette::WindowText, Qt::black);
    SeaPanel->setPalette(face);
    QFont panelFont = font();
    panelFont.setPointSize(12);
    SeaPanel->setFont(panelFont);
    layout->addWidget(SeaPanel);

    SeaComboBox = new QComboBox(SeaPanel);
    SeaComboBox->setObjectName(QStringLiteral("SeaComboBox"));
    SeaComboBox->setMaxVisibleItems(6);
    SeaComboBox->addItems(ColumnNames(m_languageName).mid(0, 6));
    SeaComboBox->setCurrentIndex(3);
    SeaEdit = new QLineEdit(SeaPanel);
    SeaEdit->setObjectName(QStringLiteral("SeaEdit"));
    SeaEdit->setMaxLength(std::numeric_limits<int>::max());
    DicCheckBox = new QCheckBox(QStringLiteral("辞書"), SeaPanel);
    DicCheckBox->setObjectName(QStringLiteral("DicCheckBox"));
    FuzzyCheckBox = new QCheckBox(QStringLiteral("あいまい"), SeaPanel);
    FuzzyCheckBox->setObjectName(QStringLiteral("FuzzyCheckBox"));
    QFont smaller = panelFont;
    smaller.setPointSize(10);
    FuzzyCheckBox->setFont(smaller);
    FuzzyCheckBox->setToolTip(QStringLiteral("大文字・小文字とアクセントを区別せずに検索します"));
    ClearBtn = new QPushButton(QStringLiteral("Clear"), SeaPanel);
    ClearBtn->setObjectName(QStringLiteral("ClearBtn"));
    SeaBtn = new QPushButton(QStringLiteral("検索"), SeaPanel);
    SeaBtn->setObjectName(QStringLiteral("SeaBtn"));
    for (QPushButton *b : {ClearBtn, SeaBtn})
        b->setAutoDefault(false);

    ListView3 = new QTableView(this);
    ListView3->setObjectName(QStringLiteral("ListView3"));
    m_model = new SearchHitModel(this);
    m_delegate = new SearchHitDelegate(this);
    SearchHitLook look;
    look.foreignFont = pointFont(s.UsrMainFont);
    look.phoneticFont = pointFont(s.UsrSubFont);
    look.japaneseFont = pointFont(QStringLiteral("ＭＳ Ｐゴシック"));
    look.phoneticBackground = ToQColor(s.PhonetColor);
    m_delegate->setLook(look);
    ListView3->setModel(m_model);
    ListView3->setItemDelegate(m_delegate);
    ListView3->setFont(look.japaneseFont);
    ListView3->setShowGrid(true);
    ListView3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView3->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView3->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView3->setWordWrap(false);
    ListView3->verticalHeader()->hide();
    ListView3->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView3->verticalHeader()->setDefaultSectionSize(26);
    ListView3->horizontalHeader()->setHighlightSections(false);
    const int widths[SearchHitModel::ColumnCount] = {73, 73, 73, 50, 73, 0, 0, 0, 0};
    for (int c = 0; c < SearchHitModel::ColumnCount; ++c)
        ListView3->setColumnWidth(c, widths[c]);
    for (int c = 5; c < SearchHitModel::ColumnCount; ++c)
        ListView3->setColumnHidden(c, true);
    layout->addWidget(ListView3, 1);

    connect(SeaBtn, &QPushButton::clicked, this, [this] { Search(); });
    connect(ClearBtn, &QPushButton::clicked, this, [this] { ClearBtnClick(); });
    connect(SeaComboBox, &QComboBox::currentIndexChanged, this, [this] { FieldSelectorChange(); });
    connect(ListView3, &QTableView::doubleClicked, this, [this] { HitDoubleClicked(); });
    if (m_context.attachTriggerField) {
        m_context.attachTriggerField(
            SeaEdit,
            [this] {
                FieldState state;
                state.field = TriggerField::SearchField;
                state.searchColumn = SeaComboBox->currentIndex();
                return state;
            },
            [this](TypingAction action) {
                if (action == TypingAction::StartSearch)
                    Search();
            });
    } else {
        connect(SeaEdit, &QLineEdit::returnPressed, this, [this] { Search(); });
    }
    SeaEdit->installEventFilter(this);
    SeaPanel->installEventFilter(this);
    ListView3->installEventFilter(this);
    FieldSelectorChange();
}

TSearchPage::~TSearchPage()
{
    // Gone with the page, without its close handler: the settings may be gone already.
    delete m_detail.data();
}

void TSearchPage::layoutPanel()
{
    const int w = SeaPanel->width();
    SeaComboBox->setGeometry(4, 8, 100, 32);
    DicCheckBox->setGeometry(w - 4 - 50 - 30, 4, 80, 20);
    ClearBtn->setGeometry(w - 4 - 50 - 30, 26, 80, 20);
    SeaBtn->setGeometry(DicCheckBox->x() - 4 - 50, 4, 50, 42);
    // The query keeps its row; "あいまい" sits under it, as the panel has no room beside.
    const int left = SeaComboBox->geometry().right() + 5;
    const int width = qMax(150, SeaBtn->x() - 4 - left);
    SeaEdit->setGeometry(left, 2, width, 27);
    FuzzyCheckBox->adjustSize();
    FuzzyCheckBox->setGeometry(left, 30, width, 18);
}

void TSearchPage::FitColumns()
{
    const int width = ListView3->viewport()->width();
    const int each = qMax(0, (width - 78) / 4);
    for (int c : {0, 1, 2, 4})
        ListView3->setColumnWidth(c, each);
    ListView3->setColumnWidth(3, 50);
}

void TSearchPage::Search()
{
    const int field = SeaComboBox->currentIndex();
    const QString query = SeaEdit->text();
    ListView3->setEnabled(true);
    m_model->clear();
    if (query.isEmpty())
        return;
    const QString folder = DicCheckBox->isChecked() ? m_context.folders->DictionaryFolder
                                                    : m_context.folders->WordBookFolder;
    WordBookSearchResult result =
        SearchWordBooks(folder, field, query, FuzzyCheckBox->isChecked());
    m_model->setHits(std::move(result.hits));
    FitColumns(); // the tab may have been hidden at its last resize
    if (m_model->noneRow())
        ListView3->setEnabled(false);
    if (m_context.showStatus && !result.unreadableFiles.isEmpty())
        m_context.showStatus(QStringLiteral("読めないファイル: ") +
                             result.unreadableFiles.join(QStringLiteral(", ")));
}

void TSearchPage::ClearBtnClick()
{
    m_model->clear();
    ListView3->setEnabled(true);
    SeaEdit->clear();
    SeaEdit->setFocus();
}

void TSearchPage::FieldSelectorChange()
{
    const Settings &s = *m_context.settings;
    const int item = SeaComboBox->currentIndex();
    QPalette p = SeaEdit->palette();
    p.setColor(QPalette::Base, item == 1 ? ToQColor(s.PhonetColor)
                                         : palette().color(QPalette::Base));
    SeaEdit->setPalette(p);
    if (item == 0)
        SeaEdit->setFont(pointFont(s.UsrMainFont));
    else if (item == 1)
        SeaEdit->setFont(pointFont(s.UsrSubFont));
    else
        SeaEdit->setFont(pointFont(QStringLiteral("ＭＳ Ｐゴシック")));
    SeaEdit->setAttribute(Qt::WA_InputMethodEnabled, item >= 2);
    SeaEdit->clear();
}

const SearchHit *TSearchPage::selectedHit() const
{
    if (m_model->noneRow() || !ListView3->selectionModel())
        return nullptr;
    const QModelIndexList rows = ListView3->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= m_model->hits().size())
        return nullptr;
    return &m_model->hits()[rows.first().row()];
}

void TSearchPage::HitDoubleClicked()
{
    const SearchHit *hit = selectedHit();
    if (!hit)
        return;
    const QString foreign = UnescapeField(hit->foreignWord);
    const QString phonetic = UnescapeField(hit->phoneticSymbols);
    if (!m_context.settings->NoResFlg)
        DispSeaView();
    if (!phonetic.isEmpty() && m_context.Edit1)
        InsertIntoField(m_context.Edit1, phonetic);
    if (!foreign.isEmpty() && m_context.Memo1) {
        QString padText = foreign;
        padText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        InsertIntoField(m_context.Memo1, padText);
    }
}

void TSearchPage::DispSeaView()
{
    const SearchHit *hit = selectedHit();
    if (!m_detail) {
        m_detail = new TSeaResFrm(*m_context.settings, *m_context.detailPlace, m_languageName,
                                  window());
        m_detail->show();
    }
    if (hit)
        m_detail->Fill(*hit);
}

void TSearchPage::setLanguageName(const QString &name)
{
    m_languageName = name;
    SeaComboBox->setItemText(0, ColumnNames(name).value(0));
    m_model->setLanguageName(name);
}

bool TSearchPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        if (watched == SeaPanel)
            layoutPanel();
        else if (watched == ListView3)
            FitColumns();
    } else if (watched == SeaEdit && event->type() == QEvent::FocusIn) {
        // Kana, Japanese and notes are typed with the Japanese input method.
        const int item = SeaComboBox->currentIndex();
        if (item >= 2 && item <= 4)
            SelectJapaneseLayout(m_context.inputMethod, *m_context.settings);
    }
    return QWidget::eventFilter(watched, event);
}
