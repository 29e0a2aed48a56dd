// The main window's own commands: pad text files, edit commands, the function keys,
// the selectors of the control bar, the pad tools, help and about.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QCheckBox>
#include <QToolButton>

#include <climits>

#include "accentpairs.h"
#include "codevalue.h"
#include "dialogs.h"
#include "fontfamilies.h"
#include "imechoice.h"
#include "inputmethod.h"
#include "shell.h"
#include "taboutfrm.h"
#include "tableeditors.h"
#include "teditorfrm.h"
#include "tsearchpage.h"
#include "tjpimefrm.h"
#include "tlinefrm.h"
#include "toptionfrm.h"
#include "textfile.h"
#include "tmainfrm.h"
#include "transfercontroller.h"

#include "wordbookcontroller.h"
#include "wordcommandcontroller.h"
#include "wordlistmodel.h"
#include "inputcontroller.h"
#include "fontfamilies.h"
#include "tdocumentfrm.h"

#include <QTableView>

namespace {

QStringList padTextFilters()
{
    return {QStringLiteral("テキスト ファイル (*.txt)"), QStringLiteral("すべてのファイル (*)")};
}

} // namespace

// ---- The pad's text -------------------------------------------------------------------

QString TMainFrm::padText() const
{
    // toPlainText() would turn no-break spaces into blanks; the tools must see them.
    QString text = Memo1->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void TMainFrm::setPadText(const QString &text)
{
    // Through the cursor, so that the change can be undone like typing.
    QTextCursor cursor(Memo1->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    Memo1->moveCursor(QTextCursor::End);
}

void TMainFrm::LineModeExecute()
{
    // The main window's place is kept as the settings' before it goes.
    RefreshSettingsFromWindow();
    hide();
    {
        TLineFrm line({m_settings, m_folders, m_platform, *Input, *Transfers}, m_linePlace);
        line.exec();
    }
    CheckBox2->setChecked(m_settings.AutoPasteFlg);
    show();
    Memo1->setFocus();
}

void TMainFrm::ClearInput()
{
    Edit1->clear();
    Memo1->clear();
    Memo1->setFocus();
}

void TMainFrm::Transfer()
{
    Transfers->Transfer();
    Q_EMIT transferRequested();
}

// ---- Function keys --------------------------------------------------------------------

void TMainFrm::HandleFunctionKey(int key)
{
    switch (key) {
    case Qt::Key_F4:
        RunCommand(RegWord);
        break;
    case Qt::Key_F5:
        RunCommand(ModWord);
        break;
    case Qt::Key_F6:
        RunCommand(WBEditor);
        break;
    case Qt::Key_F7:
        RunCommand(LineMode);
        break;
    case Qt::Key_F9:
        Transfer();
        break;
    default:
        break;
    }
}

bool TMainFrm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != this)
            break;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_F4 || key == Qt::Key_F5 || key == Qt::Key_F6 || key == Qt::Key_F7 ||
            key == Qt::Key_F9) {
            HandleFunctionKey(key);
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == Edit1)
            SelectJapaneseLayout();
        break;
    case QEvent::Resize:
        // Only the user's own sizes are kept, not those of the layout before the first show.
        if (watched == PageControl2 && m_shownOnce)
            m_settings.PADWidth = PageControl2->width();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainFrm::SelectJapaneseLayout()
{
    ::SelectJapaneseLayout(m_platform.inputMethod, m_settings);
}

// ---- Edit commands --------------------------------------------------------------------

QWidget *TMainFrm::focusedTextField() const
{
    QWidget *w = QApplication::focusWidget();
    if (!w || w->window() != this)
        return nullptr;
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
        qobject_cast<QTextEdit *>(w))
        return w;
    return nullptr;
}

void TMainFrm::UpdateEditCommands()
{
    bool undo = false, selection = false, writable = false, hasText = false;
    QWidget *w = focusedTextField();
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        undo = line->isUndoAvailable();
        selection = line->hasSelectedText();
        writable = !line->isReadOnly();
        hasText = !line->text().isEmpty();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
        undo = plain->document()->isUndoAvailable();
        selection = plain->textCursor().hasSelection();
        writable = !plain->isReadOnly();
        hasText = !plain->document()->isEmpty();
    } else if (auto *rich = qobject_cast<QTextEdit *>(w)) {
        undo = rich->document()->isUndoAvailable();
        selection = rich->textCursor().hasSelection();
        writable = !rich->isReadOnly();
        hasText = !rich->document()->isEmpty();
    }
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    const bool clipText = clip && clip->hasText();
    EditUndo->setEnabled(undo && writable);
    EditCut->setEnabled(selection && writable);
    EditCopy->setEnabled(selection);
    EditPaste->setEnabled(clipText && writable);
    EditDelete->setEnabled(selection && writable);
    EditSelectAll->setEnabled(hasText);
}

void TMainFrm::EditCommandOnFocus(int command)
{
    QWidget *w = focusedTextField();
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        switch (command) {
        case 0:
            line->undo();
            break;
        case 1:
            line->cut();
            break;
        case 2:
            line->copy();
            break;
        case 3:
            line->paste();
            break;
        case 4:
            if (line->hasSelectedText() && !line->isReadOnly())
                line->del();
            break;
        case 5:
            line->selectAll();
            break;
        }
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
        switch (command) {
        case 0:
            plain->undo();
            break;
        case 1:
            plain->cut();
            break;
        case 2:
            plain->copy();
            break;
        case 3:
            plain->paste();
            break;
        case 4:
            if (!plain->isReadOnly()) {
                QTextCursor cursor = plain->textCursor();
                cursor.removeSelectedText();
                plain->setTextCursor(cursor);
            }
            break;
        case 5:
            plain->selectAll();
            break;
        }
    } else if (auto *rich = qobject_cast<QTextEdit *>(w)) {
        switch (command) {
        case 0:
            rich->undo();
            break;
        case 1:
            rich->cut();
            break;
        case 2:
            rich->copy();
            break;
        case 3:
            rich->paste();
            break;
        case 4:
            if (!rich->isReadOnly()) {
                QTextCursor cursor = rich->textCursor();
                cursor.removeSelectedText();
                rich->setTextCursor(cursor);
            }
            break;
        case 5:
            rich->selectAll();
            break;
        }
    }
}

// ---- Pad text files -------------------------------------------------------------------

void TMainFrm::RememberPadFile(const QString &path)
{
    m_padFileName = path;
    m_padDialogFolder = QFileInfo(path).absolutePath();
}

void TMainFrm::OpenPadText()
{
    SelectJapaneseLayout();
    const QString path = m_platform.dialogs->openFileName(QStringLiteral("開く"), m_padDialogFolder,
                                                          padTextFilters());
    if (path.isEmpty())
        return;
    QString text;
    const TextReadResult read = ReadWholeText(path, TextFileKind::Unicode, &text);
    if (!read.ok) {
        // Not remembered: a later "上書き保存" must not put the pad over a file it never showed.
        m_platform.dialogs->warning(read.errorMessage);
        return;
    }
    RememberPadFile(path);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    Memo1->setPlainText(text);
    Memo1->moveCursor(QTextCursor::Start);
}

void TMainFrm::WritePadText(const QString &path)
{
    const WriteResult written = WriteUnicodeFile(path, SplitTextLines(padText()));
    if (!written)
        m_platform.dialogs->warning(written.errorMessage);
    else
        Memo1->document()->setModified(false);
}

void TMainFrm::SavePadText()
{
    if (!m_padFileName.isEmpty() && QFileInfo(m_padFileName).isFile())
        WritePadText(m_padFileName);
    else
        SavePadTextAs();
}

void TMainFrm::SavePadTextAs()
{
    SelectJapaneseLayout();
    const QString start = m_padFileName.isEmpty()
                              ? m_padDialogFolder
                              : m_padDialogFolder + u'/' + QFileInfo(m_padFileName).fileName();
    QString path = m_platform.dialogs->saveFileName(QStringLiteral("名前を付けて保存"), start,
                                                    padTextFilters());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    RememberPadFile(path);
    WritePadText(path);
}

// ---- Control-bar selectors ------------------------------------------------------------

void TMainFrm::ComboBox1Change()
{
    const QString family = ComboBox1->currentText();
    if (family.isEmpty())
        return;
    m_settings.UsrMainFont = family;
    ApplyPadFont();
    if (ListView1->isEnabled())
        m_wordBooks->ListFontsChanged();
}

void TMainFrm::ComboBox2Change()
{
    // Not a number, or no size a font can have: the pad keeps its size; a size beyond
    // the screen is the largest it shows.
    const int size = ScreenFontPoints(this, ComboBox2->currentText());
    if (size == 0)
        return;
    m_settings.UsrMainFontSize = size;
    ApplyPadFont();
}

void TMainFrm::ComboBox3Change()
{
    const int index = ComboBox3->currentIndex();
    if (index < 0 || index >= Languages().size())
        return;
    m_wordBooks->ChangeLanguage(index);
    SearchPage->setLanguageName(m_wordBooks->wordListModel()->languageName());
}

void TMainFrm::SetWordBookFolder(const QString &path)
{
    m_wordBooks->SetWordBookFolder(path);
}

// ---- Pad tools ------------------------------------------------------------------------

void TMainFrm::LatCombineExecute()
{
    if (!m_platform.dialogs->confirm(
            QStringLiteral("アルファベットと記号（２文字）を、記号付きアルファベット（１文字）に変"
                           "換しますがよろしいですか？")))
        return;
    const QString before = padText();
    const QString after = CombineAccents(before);
    if (after != before)
        setPadText(after);
    else
        Memo1->moveCursor(QTextCursor::End);
    m_platform.dialogs->information(QString::number(before.size() - after.size()) +
                                    QStringLiteral("組、変換しました"));
}

void TMainFrm::LatDivideExecute()
{
    if (!m_platform.dialogs->confirm(QStringLiteral("記号付きアルファベット（１文字）をアルファベッ"
                                                    "トと記号に分解しますがよろしいですか？")))
        return;
    const QString before = padText();
    const QString after = DivideAccents(before);
    if (after != before)
        setPadText(after);
    else
        Memo1->moveCursor(QTextCursor::End);
    m_platform.dialogs->information(QString::number(after.size() - before.size()) +
                                    QStringLiteral("組、分解しました"));
}

void TMainFrm::CodeCheckerExecute()
{
    // The pad's lines end in CR LF, as in its files and transfers.
    QString text = padText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    const QStringView trimmed = TrimControlAndBlanks(text);
    if (trimmed.isEmpty())
        return;
    const QString result = CodeValueText(trimmed);
    m_platform.dialogs->information(QStringLiteral("結果は発音記号入力エリアに表示します。"));
    Edit1->setText(result);
    Edit1->setCursorPosition(0); // the reading starts at the first code
}

// ---- Help and about -------------------------------------------------------------------

void TMainFrm::ShowHelp()
{
    OpenDocument(m_platform.shell, m_platform.dialogs, this,
                 m_folders.ProgramFolder + QStringLiteral("/Help/VelmorHelp.html"),
                 DocumentFallback::Window);
}

void TMainFrm::ShowAbout()
{
    TAboutFrm about(this);
    about.exec();
}

// ---- Options and the Japanese input method --------------------------------------------

OptionTargets TMainFrm::optionTargets()
{
    return {&m_settings, &m_folders, m_platform.dialogs, Edit1, ListView1, PasteTimer,
            m_wordBooks, Input};
}

void TMainFrm::SetteiExecute()
{
    TOptionFrm dialog(optionTargets(), this);
    dialog.exec();
    if (dialog.ending() == TOptionFrm::Ending::Stay)
        return;
    setNoSaveFlg(dialog.ending() == TOptionFrm::Ending::CloseWithoutSaving);
    close();
}

void TMainFrm::IMEChangeExecute()
{
    TJpImeFrm dialog(m_settings, m_platform.inputMethod, *m_platform.dialogs, this);
    dialog.exec();
}

// ---- Word-book editor -------------------------------------------------------------------

void TMainFrm::WBEditorExecute()
{
    if (!m_wordBooks->bookOpen())
        return;
    const WordBook &book = m_wordBooks->openBook();
    EditorContext context;
    context.settings = &m_settings;
    context.folders = &m_folders;
    context.dialogs = m_platform.dialogs;
    context.playback = m_wordBooks->playback();
    context.languageName = m_wordBooks->wordListModel()->languageName();
    context.fileName = book.fileName;
    context.title = book.title;
    context.group = book.group;
    context.voiceFolder = book.voiceFolder;
    context.attachTriggerField = [this](QWidget *field, TriggerField kind) {
        if (Input)
            Input->AttachField(field, kind);
    };
    context.chooseColour = [this](const QString &code) {
        return WordCommands->ChangeColorForEditor(code);
    };
    TEditorFrm editor(context, m_windowPlaces[EditorFrmPlace], this);
    const EditorBookLoadResult loaded = editor.Load();
    if (loaded.status == WordBookStatus::ReadFailed) {
        // Never offer to save over a file the editor could not show.
        m_platform.dialogs->warning(loaded.errorMessage);
        return;
    }
    SelectJapaneseLayout();
    if (editor.exec() != QDialog::Accepted)
        return;
    const QString fileName = context.fileName;
    m_wordBooks->ScanWordBookFolder();
    m_wordBooks->LoadBook(fileName);
    m_wordBooks->SortBooksByGroup();
}
