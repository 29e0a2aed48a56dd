#include "wordcommandcontroller.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>

#include "dialogs.h"
#include "folders.h"
#include "platform.h"
#include "wordbookcontroller.h"
#include "wordcommands.h"
#include "wordlistmodel.h"

WordCommandController::WordCommandController(WordBookController &books,
                                             const WordCommandWidgets &widgets, Settings &settings,
                                             AppFolders &folders, const Platform &platform,
                                             WindowRect &regPlace, WindowRect &modPlace,
                                             QWidget *window)
    : QObject(window), m_books(books), w(widgets), m_settings(settings), m_folders(folders),
      m_dialogs(*platform.dialogs), m_inputMethod(platform.inputMethod), m_regPlace(regPlace),
      m_modPlace(modPlace), m_window(window)
{
    connect(w.RegWord, &QAction::triggered, this, [this] { RegWordExecute(); });
    connect(w.ModWord, &QAction::triggered, this, [this] { ModWordExecute(); });
    connect(w.MoveWord, &QAction::triggered, this, [this] { MoveWordExecute(); });
    connect(w.DeleteWord, &QAction::triggered, this, [this] { DeleteWordExecute(); });
    connect(w.JumpWord, &QAction::triggered, this, [this] { JumpWordExecute(); });
    connect(w.ChangeColor, &QAction::triggered, this, [this] { ChangeColorExecute(); });
}

WordFormContext WordCommandController::formContext() const
{
    WordFormContext c;
    c.settings = &m_settings;
    c.folders = &m_folders;
    c.dialogs = &m_dialogs;
    c.inputMethod = m_inputMethod;
    c.playback = m_books.playback();
    c.languageName = m_books.wordListModel()->languageName();
    c.voiceFolder = m_books.openBook().voiceFolder;
    c.attachTriggerField = m_attachTriggerField;
    return c;
}

QString WordCommandController::padText() const
{
    // Every character as typed: toPlainText() would turn no-break spaces into blanks.
    // Line breaks become CR LF, the break a word field keeps through its file.
    QString text;
    for (const QChar c : w.Memo1->document()->toRawText()) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            text.append(QStringLiteral("\r\n"));
        else
            text.append(c);
    }
    return text;
}

void WordCommandController::clearInputIfWanted()
{
    if (!m_settings.RegClearFlg)
        return;
    w.Memo1->clear();
    w.Edit1->clear();
}

int WordCommandController::selectedRow() const
{
    QItemSelectionModel *selection = w.ListView1->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void WordCommandController::selectRow(int row)
{
    WordListModel *model = m_books.wordListModel();
    if (row < 0 || row >= model->rowCount())
        return;
    w.ListView1->selectRow(row);
    w.ListView1->scrollTo(model->index(row, 0));
    m_books.UpdateSelectionCommands();
}

bool WordCommandController::StoreRows(const QList<WordEntry> &rows, int row)
{
    // The file first: the list shows only what the file holds.
    WordBook book = m_books.openBook();
    book.words = rows;
    const WriteResult saved = SaveWordBook(m_folders.WordBookFolder, book);
    if (!saved) {
        m_dialogs.warning(saved.errorMessage.isEmpty()
                              ? QStringLiteral("単語帳が開かれていません。")
                              : saved.errorMessage);
        return false;
    }
    m_books.wordListModel()->setWords(rows);
    m_books.UpdateBookCount();
    selectRow(row);
    m_books.UpdateSelectionCommands();
    return true;
}

void WordCommandController::RegWordExecute()
{
    if (!m_books.bookOpen())
        return;
    const int count = m_books.wordListModel()->rowCount();
    TRegFrm dialog(
        count, padText(), w.Edit1->text(), m_regPlace, formContext(),
        [this](const WordEntry &word, int position) {
            QList<WordEntry> rows = m_books.wordListModel()->words();
            const int at = InsertWordRow(rows, position, word);
            return StoreRows(rows, at);
        },
        m_window);
    if (dialog.exec() == QDialog::Accepted)
        clearInputIfWanted();
}

void WordCommandController::ModWordExecute()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const WordEntry word = m_books.wordListModel()->words().value(row);
    TModFrm dialog(
        word, m_modPlace, formContext(),
        [this, row](const WordEntry &fields) {
            QList<WordEntry> rows = m_books.wordListModel()->words();
            if (!ReplaceWordFields(rows, row, fields))
                return false;
            return StoreRows(rows, row);
        },
        m_window);
    if (dialog.exec() == QDialog::Accepted)
        clearInputIfWanted();
}

void WordCommandController::MoveWordExecute()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const int count = m_books.wordListModel()->rowCount();
    TMoveFrm dialog(
        row + 1, count,
        [this, row](int target) {
            QList<WordEntry> rows = m_books.wordListModel()->words();
            const int at = MoveWordRow(rows, row, target);
            if (at < 0)
                return false;
            w.ListView1->setFocus();
            // A failed save closes the dialog as well; the warning has said why.
            StoreRows(rows, at);
            return true;
        },
        m_window);
    dialog.exec();
}

void WordCommandController::DeleteWordExecute()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const WordEntry word = m_books.wordListModel()->words().value(row);
    TDelFrm dialog(
        row + 1, word, m_books.wordListModel()->languageName(),
        [this, row] {
            QList<WordEntry> rows = m_books.wordListModel()->words();
            if (DeleteWordRow(rows, row))
                StoreRows(rows, -1);
            return true;
        },
        m_window);
    dialog.exec();
}

void WordCommandController::JumpWordExecute()
{
    if (!m_books.bookOpen())
        return;
    TJumpFrm dialog(
        m_books.wordListModel()->rowCount(),
        [this](int number) {
            w.ListView1->setFocus();
            selectRow(number - 1);
        },
        m_window);
    dialog.exec();
}

void WordCommandController::ChangeColorExecute()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    TChColFrm dialog(TChColFrm::Mode::Word,
                     m_books.wordListModel()->words().value(row).textColour, m_dialogs,
                     m_window);
    if (dialog.exec() != QDialog::Accepted || !dialog.result())
        return;
    QList<WordEntry> rows = m_books.wordListModel()->words();
    if (row >= rows.size())
        return;
    rows[row].textColour = *dialog.result();
    StoreRows(rows, row);
}

std::optional<QString> WordCommandController::ChangeColorForEditor(const QString &fieldText)
{
    TChColFrm dialog(TChColFrm::Mode::Editor, fieldText, m_dialogs, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.result();
}
