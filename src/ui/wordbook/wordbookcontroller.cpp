#include "wordbookcontroller.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <utility>

#include "dialogs.h"
#include "groupselector.h"
#include "imechoice.h"
#include "qtcolour.h"
#include "shell.h"
#include "twmplayerfrm.h"
#include "voicepath.h"
#include "wordbookdialogs.h"
#include "wordbooklistmodel.h"
#include "wordlistmodel.h"
#include "tdocumentfrm.h"

namespace {

constexpr int PanelOpenWidth = 376;
constexpr int PanelFoldedWidth = 32;
constexpr int DoorStep = 30;

const QString FoldCaption = QStringLiteral("→");
const QString UnfoldCaption = QStringLiteral("←");

} // namespace

namespace {

// The arrow on the column the list was last sorted by, +1 ascending; none for -1.
void showSortArrow(QTableView *view, int column, int direction)
{
    QHeaderView *header = view->horizontalHeader();
    header->setSortIndicator(column, direction > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    header->setSortIndicatorShown(column >= 0);
}

} // namespace

WordBookController::WordBookController(const WordBookWidgets &widgets, Settings &settings,
                                       AppFolders &folders, Dialogs &dialogs, Shell *shell,
                                       WindowRect &playerPlace,
                                       std::function<void(int, const QString &)> setStatus,
                                       QWidget *dialogParent)
    : QObject(dialogParent), w(widgets), m_settings(settings), m_folders(folders),
      m_dialogs(dialogs), m_shell(shell), m_setStatus(std::move(setStatus)),
      m_dialogParent(dialogParent), m_books(new WordBookListModel(this)),
      m_words(new WordListModel(this)), m_delegate(new WordListDelegate(this)),
      m_playback(new VoicePlayback(settings, playerPlace, dialogParent))
{
    w.ListView2->setModel(m_books);
    w.ListView2->setSortingEnabled(false);
    w.ListView2->setWordWrap(false);
    // Titles of one language often share their start ("フランス語の…"): the middle goes.
    w.ListView2->setTextElideMode(Qt::ElideMiddle);
    w.ListView2->installEventFilter(this);
    w.ListView1->setWordWrap(false);
    w.ListView1->setModel(m_words);
    w.ListView1->setItemDelegate(m_delegate);
    w.ListView1->setSortingEnabled(false);
    m_words->setForeignFirst(m_settings.EiwaFlg);
    m_words->setLanguageName(m_settings.SelectLang);

    connect(w.ListView2, &QTableView::clicked, this, [this] { OpenSelectedBook(); });
    connect(w.ListView2->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { ClickBookColumn(column); });
    connect(w.ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { ClickWordColumn(column); });
    connect(w.ListView1, &QTableView::doubleClicked, this, [this] { WordDoubleClicked(); });
    // Setting a model replaces the selection model: connect to the new one.
    connect(w.ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateSelectionCommands(); });
    connect(m_words, &QAbstractItemModel::modelReset, this, [this] { UpdateSelectionCommands(); });
    connect(m_words, &QAbstractItemModel::modelReset, this, [this] { FitListToWords(); });
    connect(m_words, &QAbstractItemModel::rowsInserted, this, [this] { FitListToWords(); });

    connect(w.CreateWB, &QAction::triggered, this, [this] { CreateWBExecute(); });
    connect(w.ChangeProp, &QAction::triggered, this, [this] { ChangePropExecute(); });
    connect(w.DeleteWB, &QAction::triggered, this, [this] { DeleteWBExecute(); });
    connect(w.CloseWB, &QAction::triggered, this, [this] { CloseWBExecute(); });
    connect(w.EditGroup, &QAction::triggered, this, [this] { EditGroupExecute(); });

    w.SpeedButton2->setText(FoldCaption);
    connect(w.SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    w.DoorTimer->setInterval(20);
    connect(w.DoorTimer, &QTimer::timeout, this, [this] { DoorTimerTick(); });
    w.CheckBox1->setChecked(m_settings.AutoCloseFlg);
    connect(w.CheckBox1, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.AutoCloseFlg = on; });

    (m_settings.EiwaFlg ? w.RadioButton1 : w.RadioButton2)->setChecked(true);
    w.RadioButton1->setText(ForeignFirstCaption(m_settings.SelectLang));
    w.RadioButton2->setText(JapaneseFirstCaption(m_settings.SelectLang));
    connect(w.RadioButton1, &QRadioButton::clicked, this, [this] {
        m_settings.EiwaFlg = true;
        ApplyDirection();
    });
    connect(w.RadioButton2, &QRadioButton::clicked, this, [this] {
        m_settings.EiwaFlg = false;
        ApplyDirection();
    });

    w.DicSpBtn->setCheckable(true);
    connect(w.DicSpBtn, &QToolButton::clicked, this, [this](bool down) { DicSpBtnClick(down); });
    connect(w.ChangeBtn, &QToolButton::clicked, this, [this] {
        RebuildFolderMenu();
        w.PopupMenu2->popup(w.ChangeBtn->mapToGlobal(QPoint(5, w.ChangeBtn->height())));
    });

    setBookCommands(false);
    w.CreateWB->setEnabled(true);
    w.EditGroup->setEnabled(true);
    // The row fonts are fitted with the first words: each size tried loads a font, and an
    // empty list, as at start-up, draws none.
}

WordBookController::~WordBookController() = default;

bool WordBookController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.ListView2 && event->type() == QEvent::Resize)
        FitBookListColumns();
    return QObject::eventFilter(watched, event);
}

void WordBookController::FitBookListColumns()
{
    // Title and file name share what group (90) and count (56) leave, at least 100 each.
    const int share = qMax(100, (w.ListView2->width() - 176) / 2);
    w.ListView2->setColumnWidth(0, share);
    w.ListView2->setColumnWidth(1, share);
    w.ListView2->setColumnWidth(2, 90);
    w.ListView2->setColumnWidth(3, 56);
}

void WordBookController::ListFontsChanged()
{
    m_listFontsFitted = false;
    FitListToWords();
}

void WordBookController::FitListToWords()
{
    if (!m_listFontsFitted && m_words->rowCount() > 0)
        FitListFonts();
    else
        FitNumberColumn();
}

void WordBookController::FitNumberColumn()
{
    // Widened to the book's largest number, never narrowed below the user's width: the
    // delegate leaves 8 pixels beside the text.
    const QFontMetrics metrics(m_delegate->look().fixedFont);
    const int needed =
        metrics.horizontalAdvance(QString::number(qMax(1, m_words->rowCount()))) + 12;
    if (w.ListView1->columnWidth(NumberColumn) < needed)
        w.ListView1->setColumnWidth(NumberColumn, needed);
}

// ---- Word-book list --------------------------------------------------------------------

void WordBookController::ScanWordBookFolder()
{
    EmptyWordList();
    const WordBookScanResult scan = ::ScanWordBookFolder(m_folders.WordBookFolder);
    m_books->setRows(scan.rows);
    if (!scan.errorMessages.isEmpty())
        m_dialogs.warning(scan.errorMessages.join(u'\n'));
}

void WordBookController::OpenSelectedBook()
{
    const QModelIndexList selected = w.ListView2->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const QString fileName = m_books->rows().value(selected.first().row()).fileName;
    if (!LoadBook(fileName))
        return;
    m_setStatus(0, QStringLiteral("●タイトル：「") + m_book.title + QStringLiteral("」"));
    setBookCommands(true);
    SpeedButton2Click();
}

bool WordBookController::OpenListedBook(const QString &fileName)
{
    const int row = FindWordBookRow(m_books->rows(), fileName);
    if (row < 0)
        return false;
    w.ListView2->selectRow(row);
    w.ListView2->scrollTo(m_books->index(row, 0));
    OpenSelectedBook();
    return true;
}

void WordBookController::ClickBookColumn(int column)
{
    QList<WordBookSummary> rows = m_books->rows();
    if (!m_bookSort.clickColumn(rows, column))
        return;
    m_books->setRows(rows);
    showSortArrow(w.ListView2, column, m_bookSort.directions[column]);
}

void WordBookController::SortBooksByGroup()
{
    QList<WordBookSummary> rows = m_books->rows();
    m_bookSort.sortByGroup(rows);
    m_books->setRows(rows);
    showSortArrow(w.ListView2, BookGroupColumn, m_bookSort.directions[BookGroupColumn]);
    const int row = bookOpen() ? FindWordBookRow(rows, m_book.fileName) : -1;
    if (row >= 0)
        w.ListView2->selectRow(row);
}

void WordBookController::UpdateBookCount()
{
    if (bookOpen())
        m_books->updateCount(m_book.fileName, m_words->rowCount() + m_book.keptLines.size());
}

void WordBookController::CloseWBExecute()
{
    EmptyWordList();
    w.ListView2->clearSelection();
    m_book = WordBook();
    m_playback->CurrentVoiceFile.clear();
    setBookCommands(false);
    m_setStatus(0, QString());
}

void WordBookController::CreateWBExecute()
{
    TNewWBFrm dialog(m_folders, m_settings, m_dialogs, m_dialogParent);
    SelectJapaneseLayoutOnFocus({dialog.Edit1, dialog.ComboBox1}, m_inputMethod, m_settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFileInfo created(dialog.createdPath());
    ScanWordBookFolder();
    // A book saved outside the current folder is written but not listed.
    if (QFileInfo(created.absolutePath()) == QFileInfo(m_folders.WordBookFolder))
        OpenListedBook(created.fileName());
    SortBooksByGroup();
}

void WordBookController::ChangePropExecute()
{
    if (!bookOpen())
        return;
    TChPropFrm dialog(bookWithRows(), m_folders, m_settings, m_dialogs, m_dialogParent);
    SelectJapaneseLayoutOnFocus({dialog.Edit1, dialog.ComboBox1}, m_inputMethod, m_settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const WriteResult saved = SaveWordBook(m_folders.WordBookFolder, dialog.book());
    if (!saved) {
        m_dialogs.warning(saved.errorMessage);
        return;
    }
    const QString fileName = m_book.fileName;
    ScanWordBookFolder();
    LoadBook(fileName);
    const int row = FindWordBookRow(m_books->rows(), fileName);
    if (row >= 0)
        w.ListView2->selectRow(row);
    m_setStatus(0, QStringLiteral("●タイトル：「") + m_book.title + QStringLiteral("」"));
}

void WordBookController::DeleteWBExecute()
{
    if (!bookOpen())
        return;
    TDelWBFrm dialog(m_book, m_folders.WordBookFolder, m_dialogs, m_dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ScanWordBookFolder();
    CloseWBExecute();
}

void WordBookController::EditGroupExecute()
{
    TGroupFrm dialog(m_folders.SysFolder, &m_dialogs, m_dialogParent);
    SelectJapaneseLayoutOnFocus({dialog.Edit1}, m_inputMethod, m_settings);
    dialog.exec();
}

// ---- Fold button -----------------------------------------------------------------------

void WordBookController::SpeedButton2Click()
{
    if (w.CheckBox1->isChecked())
        w.DoorTimer->start();
}

void WordBookController::setFoldedContentVisible(bool visible)
{
    // A folded panel shows only its button: the rest would be squeezed, not cut off.
    for (QWidget *widget :
         std::initializer_list<QWidget *>{w.NewSpBtn, w.DicSpBtn, w.ChangeBtn, w.CheckBox1,
                                          w.RadioButton1, w.RadioButton2, w.ListView2})
        widget->setVisible(visible);
}

int WordBookController::panelWidth() const
{
    if (auto *splitter = qobject_cast<QSplitter *>(w.Panel7->parentWidget())) {
        const int index = splitter->indexOf(w.Panel7);
        if (index >= 0 && splitter->sizes().size() == 2)
            return splitter->sizes().at(index);
    }
    return w.Panel7->width();
}

bool WordBookController::panelFolded() const
{
    return w.SpeedButton2->text() == UnfoldCaption;
}

void WordBookController::setPanelWidth(int width)
{
    // Inside a splitter the panel's width is the splitter's to give: the word list
    // takes what the panel leaves, and the user can still drag the handle.
    if (auto *splitter = qobject_cast<QSplitter *>(w.Panel7->parentWidget())) {
        const int index = splitter->indexOf(w.Panel7);
        QList<int> sizes = splitter->sizes();
        const int other = index == 0 ? 1 : 0;
        if (index >= 0 && sizes.size() == 2) {
            sizes[other] += sizes[index] - width;
            sizes[index] = width;
            splitter->setSizes(sizes);
            return;
        }
    }
    w.Panel7->setFixedWidth(width);
}

void WordBookController::DoorTimerTick()
{
    const auto setButtons = [this](bool on) {
        w.NewSpBtn->setEnabled(on);
        w.DicSpBtn->setEnabled(on);
        w.ChangeBtn->setEnabled(on);
    };
    setButtons(false);
    const int width = panelWidth();
    if (w.SpeedButton2->text() == FoldCaption) {
        if (width < 40) {
            setPanelWidth(PanelFoldedWidth);
            w.DoorTimer->stop();
            for (QLabel *label : std::as_const(w.headerLabels))
                label->hide();
            setFoldedContentVisible(false);
            setButtons(true);
            w.SpeedButton2->setText(UnfoldCaption);
        } else {
            setPanelWidth(width - DoorStep);
        }
    } else {
        if (width > PanelOpenWidth) {
            setPanelWidth(PanelOpenWidth);
            w.DoorTimer->stop();
            setButtons(true);
            w.SpeedButton2->setText(FoldCaption);
        } else {
            setPanelWidth(width + DoorStep);
            for (QLabel *label : std::as_const(w.headerLabels))
                label->show();
            setFoldedContentVisible(true);
        }
    }
}

// ---- Word list -------------------------------------------------------------------------

void WordBookController::setListEnabled(bool on)
{
    w.ListView1->setEnabled(on);
    QPalette palette = w.ListView1->palette();
    palette.setColor(QPalette::Base,
                     on ? w.ListView1->style()->standardPalette().color(QPalette::Base)
                        : w.ListView1->style()->standardPalette().color(QPalette::Button));
    w.ListView1->setPalette(palette);
}

void WordBookController::EmptyWordList()
{
    m_words->clear();
    showSortArrow(w.ListView1, -1, 1);
    setListEnabled(false);
}

bool WordBookController::LoadBook(const QString &fileName)
{
    WordBookLoadResult loaded = LoadWordBook(m_folders.WordBookFolder, fileName);
    switch (loaded.status) {
    case WordBookStatus::Missing:
        return false;
    case WordBookStatus::ReadFailed:
        m_dialogs.warning(loaded.errorMessage);
        return false;
    case WordBookStatus::NotWordBook:
        m_words->clear();
        showSortArrow(w.ListView1, -1, 1);
        setListEnabled(true);
        return false;
    case WordBookStatus::Loaded:
        break;
    }
    m_book = std::move(loaded.book);
    // The rows hold the words from now on.
    m_words->setWords(std::exchange(m_book.words, {}));
    // A book is shown in its file's order until a header click sorts it.
    showSortArrow(w.ListView1, -1, 1);
    setListEnabled(true);
    if (m_words->rowCount() > 0 && m_settings.LastVisibleFlg)
        w.ListView1->scrollToBottom();
    w.ListView1->clearSelection();
    UpdateSelectionCommands();
    return true;
}

WordBook WordBookController::bookWithRows() const
{
    WordBook book = m_book;
    book.words = m_words->words();
    return book;
}

WriteResult WordBookController::SaveOpenBook()
{
    return SaveWordBook(m_folders.WordBookFolder, bookWithRows());
}

void WordBookController::applyColumnWidths()
{
    const int first = w.ListView1->columnWidth(FirstWordColumn);
    w.ListView1->setColumnWidth(FirstWordColumn, w.ListView1->columnWidth(SecondWordColumn));
    w.ListView1->setColumnWidth(SecondWordColumn, first);
}

void WordBookController::ApplyDirection()
{
    m_words->setForeignFirst(m_settings.EiwaFlg);
    WordListLook look = m_delegate->look();
    look.foreignFirst = m_settings.EiwaFlg;
    m_delegate->setLook(look);
    if (bookOpen()) {
        applyColumnWidths();
        // Reloading drops an unsaved sort order, as the list always has.
        LoadBook(m_book.fileName);
    }
    w.ListView1->viewport()->update();
}

void WordBookController::setLanguageName(const QString &name)
{
    m_words->setLanguageName(name);
}

ListFontSizes WordBookController::FitListFonts()
{
    const QFont foreign(m_settings.UsrMainFont);
    const QFont phonetic(m_settings.UsrSubFont);
    const QFont japanese(m_settings.UsrJpFont);
    const ListFontSizes sizes = ::FitListFonts(foreign, phonetic, japanese, m_settings.ImLi1Height,
                                               m_settings.GADR, m_settings.IPADR, m_settings.JPDR);
    WordListLook look;
    look.foreignFont = foreign;
    look.foreignFont.setPointSize(sizes.foreign);
    look.phoneticFont = phonetic;
    look.phoneticFont.setPointSize(sizes.phonetic);
    look.japaneseFont = japanese;
    look.japaneseFont.setPointSize(sizes.japanese);
    look.fixedFont = QFont(QStringLiteral("ＭＳ Ｐゴシック"), sizes.japanese);
    look.phoneticBackground = ToQColor(m_settings.PhonetColor);
    look.foreignFirst = m_settings.EiwaFlg;
    m_delegate->setLook(look);
    m_listFontsFitted = true;
    FitNumberColumn();
    w.ListView1->viewport()->update();
    return sizes;
}

void WordBookController::ClickWordColumn(int column)
{
    if (!WordListSort::sorts(column) || m_words->rowCount() == 0)
        return;
    const QString caption = m_words->headerData(column, Qt::Horizontal).toString();
    if (!m_dialogs.confirm(SortConfirmationText(caption)))
        return;
    if (m_words->sortByColumn(m_wordSort, column))
        showSortArrow(w.ListView1, column, m_wordSort.directions[column]);
}

void WordBookController::WordDoubleClicked()
{
    const QModelIndexList selected = w.ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const WordEntry word = m_words->words().value(selected.first().row());
    if (!word.phoneticSymbols.isEmpty()) {
        w.Memo1->setFocus();
        if (m_settings.ResetInputFlg) {
            w.Edit1->setText(word.phoneticSymbols);
            w.Edit1->setCursorPosition(w.Edit1->text().size());
        } else {
            w.Edit1->insert(word.phoneticSymbols);
        }
    }
    if (!word.foreignWord.isEmpty()) {
        w.Memo1->setFocus();
        if (m_settings.ResetInputFlg) {
            w.Memo1->setPlainText(word.foreignWord);
            w.Memo1->moveCursor(QTextCursor::End);
        } else {
            w.Memo1->insertPlainText(word.foreignWord);
        }
    }
    if (m_settings.MediaPlayerFlg) {
        if (!word.voiceFile.isEmpty()) {
            const QString path =
                ExistingVoicePath(m_book.voiceFolder, m_folders.WordBookFolder, word.voiceFile);
            if (!path.isEmpty())
                m_playback->Play(path);
        } else if (m_playback->isOpen()) {
            m_playback->ClosePlayer();
        }
    }
}

void WordBookController::UpdateSelectionCommands()
{
    const bool selected =
        w.ListView1->selectionModel() && !w.ListView1->selectionModel()->selectedRows().isEmpty();
    for (QAction *a : {w.ModWord, w.MoveWord, w.DeleteWord, w.ChangeColor})
        if (a)
            a->setEnabled(selected);
}

void WordBookController::setBookCommands(bool open)
{
    for (QAction *a : {w.WBEditor, w.ChangeProp, w.DeleteWB, w.RegWord, w.CloseWB, w.JumpWord})
        if (a)
            a->setEnabled(open);
    if (!open)
        for (QAction *a : {w.ModWord, w.MoveWord, w.DeleteWord, w.ChangeColor})
            if (a)
                a->setEnabled(false);
}

// ---- Folders ---------------------------------------------------------------------------

void WordBookController::SetWordBookFolder(const QString &path)
{
    m_folders.WordBookFolder = path;
    CloseWBExecute();
    m_setStatus(1, WordBookFolderStatusText(path));
    ScanWordBookFolder();
}

void WordBookController::ChangeLanguage(int index)
{
    w.DicSpBtn->setChecked(false);
    m_dictionary.reset();
    const LanguageChoice choice = ChooseLanguage(m_folders, index);
    m_settings.SelectLang = choice.language;
    setLanguageName(choice.language);
    ApplyDirection();
    w.RadioButton1->setText(choice.foreignFirstCaption);
    w.RadioButton2->setText(choice.japaneseFirstCaption);
    SetWordBookFolder(choice.wordBookFolder);
    m_folders.DictionaryFolder = choice.dictionaryFolder;
    if (panelFolded() && w.CheckBox1->isChecked())
        SpeedButton2Click();
}

void WordBookController::DicSpBtnClick(bool down)
{
    if (down)
        SetWordBookFolder(m_dictionary.press(m_folders.WordBookFolder, m_folders.DictionaryFolder));
    else
        SetWordBookFolder(m_dictionary.release());
}

void WordBookController::RebuildFolderMenu()
{
    QMenu *menu = w.PopupMenu2;
    menu->clear();
    const FolderListResult list = EnsureFolderList(m_folders);
    if (!list.ok)
        m_dialogs.warning(list.errorMessage);
    for (const QString &line : FolderMenuItems(list.lines))
        menu->addAction(line, this, [this, line] { SetWordBookFolder(line); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("参照"), this, [this] { BrowseForFolder(); });
    menu->addAction(QStringLiteral("このメニューを編集する （最大10フォルダ）"), this, [this] {
        OpenDocument(m_shell, &m_dialogs, m_dialogParent, FolderListPath(m_folders.SysFolder),
                     DocumentFallback::MessageOnly);
    });
}

void WordBookController::BrowseForFolder()
{
    const QString chosen = m_dialogs.existingFolder(
        QStringLiteral("希望するカレントの単語帳フォルダを指定して下さい。"),
        m_folders.WordBookFolder);
    if (chosen.isEmpty())
        return;
    const FolderListResult list = EnsureFolderList(m_folders);
    const FolderListUpdate update = AddChosenFolder(list.lines, chosen);
    if (update.changed) {
        const WriteResult written = WriteFolderList(m_folders.SysFolder, update.lines);
        if (!written)
            m_dialogs.warning(written.errorMessage);
    }
    SetWordBookFolder(chosen);
}
