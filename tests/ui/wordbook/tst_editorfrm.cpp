// The word-book editor and the search page, driven as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "editorgridmodel.h"
#include "fakedialogs.h"
#include "folders.h"
#include "searchhitmodel.h"
#include "teditorfrm.h"
#include "textfile.h"
#include "tsearchpage.h"
#include "twmplayerfrm.h"

namespace {

QString line(const QString &foreign, const QString &japanese)
{
    return QStringLiteral("\"%1\",\"\",\"\",\"%2\",\"\",\"\",\"\"").arg(foreign, japanese);
}

QStringList book(int words)
{
    QStringList lines{"T", "G", ""};
    for (int i = 1; i <= words; ++i)
        lines.append(line(QStringLiteral("w%1").arg(i), QStringLiteral("語%1").arg(i)));
    return lines;
}

QByteArray bytes(const QString &path)
{
    QByteArray b;
    ReadFileBytes(path, &b);
    return b;
}

} // namespace

class tst_EditorFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void rowCounts_data();
    void rowCounts();
    void addAndLastRow();
    void deleteMovesRowsUp();
    void closeAsksOnlyAfterChanges();
    void saveWritesAndFailedSaveStays();
    void searchPage();
    void playerBesideTheEditor();

private:
    std::unique_ptr<TEditorFrm> editor(VoicePlayback *playback = nullptr);
    std::unique_ptr<QTemporaryDir> m_tmp;
    AppFolders m_folders;
    Settings m_settings;
    FakeDialogs m_dialogs;
    WindowRect m_place;
};

void tst_EditorFrm::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    m_folders.WordBookFolder = m_tmp->filePath("books");
    m_folders.DictionaryFolder = m_tmp->filePath("dic");
    QDir().mkpath(m_folders.WordBookFolder);
    QDir().mkpath(m_folders.DictionaryFolder);
    m_dialogs = FakeDialogs();
    m_settings = Settings();
}

std::unique_ptr<TEditorFrm> tst_EditorFrm::editor(VoicePlayback *playback)
{
    EditorContext c;
    c.playback = playback;
    c.settings = &m_settings;
    c.folders = &m_folders;
    c.dialogs = &m_dialogs;
    c.fileName = "b.utx";
    c.title = "T";
    c.group = "G";
    auto e = std::make_unique<TEditorFrm>(c, m_place);
    e->Load();
    return e;
}

void tst_EditorFrm::rowCounts_data()
{
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("rows"); // below the header row
    QTest::newRow("2 words") << 2 << 12;
    QTest::newRow("5 words") << 5 << 15;
    QTest::newRow("missing file") << -1 << 19;
}

void tst_EditorFrm::rowCounts()
{
    QFETCH(int, words);
    QFETCH(int, rows);
    if (words >= 0)
        QVERIFY(WriteUnicodeFile(m_folders.WordBookFolder + "/b.utx", book(words)));
    auto e = editor();
    QCOMPARE(e->gridModel()->rowCount(), rows);
    const QString number = e->gridModel()->index(rows - 1, 1).data().toString();
    QCOMPARE(number, words >= 0 ? QString::number(rows) : QString());
}

void tst_EditorFrm::addAndLastRow()
{
    QVERIFY(WriteUnicodeFile(m_folders.WordBookFolder + "/b.utx", book(2)));
    auto e = editor();
    QVERIFY(!e->SaveExit->isEnabled() && !e->EdDelete->isEnabled() && e->EdAdd->isEnabled());
    e->EdAdd->trigger();
    QCOMPARE(e->gridModel()->rowCount(), 20);
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(e.get()));
    e->StringGrid1->scrollToBottom();
    const QRect last = e->StringGrid1->visualRect(e->gridModel()->index(19, 2));
    QTest::mouseClick(e->StringGrid1->viewport(), Qt::LeftButton, {}, last.center());
    QCOMPARE(e->gridModel()->rowCount(), 25);
    QCOMPARE(e->gridModel()->index(19, 0).data().toString(), QStringLiteral("●"));
    QCOMPARE(e->fields[0]->text(), QStringLiteral("20"));
    QVERIFY(e->SaveExit->isEnabled() && e->EdDelete->isEnabled());
    // F9 chooses the next row, F8 the previous one.
    e->ChooseRow(3);
    QTest::keyClick(e.get(), Qt::Key_F9);
    QCOMPARE(e->gridModel()->currentRow(), 4);
    QTest::keyClick(e.get(), Qt::Key_F8);
    QCOMPARE(e->gridModel()->currentRow(), 3);
}

void tst_EditorFrm::deleteMovesRowsUp()
{
    QVERIFY(WriteUnicodeFile(m_folders.WordBookFolder + "/b.utx", book(4)));
    auto e = editor();
    const int count = e->gridModel()->rowCount();
    e->ChooseRow(1);
    e->EdDelete->trigger();
    QCOMPARE(e->gridModel()->rowCount(), count);
    QCOMPARE(e->gridModel()->cell(1, 0), QStringLiteral("w3"));
    QCOMPARE(e->gridModel()->cell(2, 0), QStringLiteral("w4"));
    QVERIFY(e->gridModel()->cell(3, 0).isEmpty());
    QVERIFY(!e->linked() && !e->EdDelete->isEnabled());
    // Insert at row 1: a blank row there, the rest moves down.
    e->ChooseRow(1);
    e->EdInsert->trigger();
    QVERIFY(e->gridModel()->cell(1, 0).isEmpty());
    QCOMPARE(e->gridModel()->cell(2, 0), QStringLiteral("w3"));
    e->fields[1]->setText(QStringLiteral("new \"one\""));
    QCOMPARE(e->gridModel()->cell(1, 0), QStringLiteral("new #$22one#$22"));
}

void tst_EditorFrm::closeAsksOnlyAfterChanges()
{
    const QString path = m_folders.WordBookFolder + "/b.utx";
    QVERIFY(WriteUnicodeFile(path, book(2)));
    const QByteArray before = bytes(path);
    {
        auto e = editor();
        e->show();
        e->ChooseRow(0); // choosing a row is no change
        e->CloseEditor->trigger();
        QVERIFY(!e->isVisible());
        QVERIFY(m_dialogs.shown.isEmpty());
    }
    auto e = editor();
    e->show();
    e->gridModel()->setCell(0, 4, QStringLiteral("two\nlines"));
    QCOMPARE(e->gridModel()->cell(0, 4), QStringLiteral("two#$0Dlines"));
    m_dialogs.confirmAnswers.enqueue(false);
    e->CloseEditor->trigger();
    QVERIFY(e->isVisible());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].kind, FakeDialogs::Kind::Confirm);
    m_dialogs.confirmAnswers.enqueue(true);
    e->close();
    QVERIFY(!e->isVisible());
    QCOMPARE(bytes(path), before);
}

void tst_EditorFrm::saveWritesAndFailedSaveStays()
{
    const QString path = m_folders.WordBookFolder + "/b.utx";
    QVERIFY(WriteUnicodeFile(path, QStringList(book(1)) << "kept,line"));
    auto e = editor();
    e->show();
    e->gridModel()->setCell(3, 0, QStringLiteral("  chat "));
    e->gridModel()->setCell(3, 4, QStringLiteral("a\r\nb"));
    // The book's place is taken by a folder: the save fails, names the file, stays open.
    QVERIFY(QFile::rename(path, path + ".old"));
    QVERIFY(QDir().mkpath(path + "/x"));
    QVERIFY(!e->SaveExitExecute());
    QVERIFY(e->isVisible());
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY(m_dialogs.shown[0].text.contains("b.utx"));
    QCOMPARE(e->gridModel()->cell(3, 0), QStringLiteral("  chat "));
    QVERIFY(QDir(path).removeRecursively());
    QVERIFY(e->SaveExitExecute());
    QVERIFY(!e->isVisible());
    QCOMPARE(bytes(path), EncodeUnicodeLines({"T", "G", "", line("w1", "語1"),
                                              "\"chat\",\"\",\"\",\"\",\"a#$0Db\",\"\",\"\"",
                                              "kept,line"}));
}

void tst_EditorFrm::searchPage()
{
    QVERIFY(WriteUnicodeFile(m_folders.WordBookFolder + "/b.utx",
                             {"Book", "G", "", line("chat", "猫"), line("chaton", "子猫")}));
    QVERIFY(WriteUnicodeFile(m_folders.DictionaryFolder + "/d.utx",
                             {"Dic", "G", "", line("neko", "猫")}));
    QPlainTextEdit pad;
    QLineEdit phonetic;
    WindowRect place;
    SearchPageContext c;
    c.settings = &m_settings;
    c.folders = &m_folders;
    c.Memo1 = &pad;
    c.Edit1 = &phonetic;
    c.detailPlace = &place;
    TSearchPage page(c);
    page.resize(400, 300);
    page.show();
    QCOMPARE(page.SeaComboBox->currentIndex(), 3);
    page.SeaEdit->setText(QStringLiteral("猫"));
    QTest::keyClick(page.SeaEdit, Qt::Key_Return);
    QCOMPARE(page.hitModel()->rowCount(), 2);
    QCOMPARE(page.hitModel()->index(0, 3).data().toString(), QStringLiteral("*1"));
    QCOMPARE(page.hitModel()->index(1, 3).data().toString(), QStringLiteral("2"));
    page.DicCheckBox->setChecked(true);
    page.Search();
    QCOMPARE(page.hitModel()->index(0, 2).data().toString(), QStringLiteral("Dic"));
    // No hit: "- なし -" in a disabled list; an empty query: nothing at all.
    page.SeaEdit->setText(QStringLiteral("犬"));
    page.Search();
    QCOMPARE(page.hitModel()->index(0, 0).data().toString(), QStringLiteral("- なし -"));
    QVERIFY(!page.ListView3->isEnabled());
    page.ClearBtnClick();
    QCOMPARE(page.hitModel()->rowCount(), 0);
    // Double-click: the detail window, then into the pad; its check box sets NoResFlg.
    page.DicCheckBox->setChecked(false);
    page.SeaEdit->setText(QStringLiteral("猫"));
    page.Search();
    page.ListView3->selectRow(0);
    page.HitDoubleClicked();
    QCOMPARE(pad.toPlainText(), QStringLiteral("chat"));
    QVERIFY(page.detailWindow());
    QCOMPARE(page.detailWindow()->NoEdit->text(), QStringLiteral("*1"));
    page.detailWindow()->NoResCheck->setChecked(true);
    page.detailWindow()->CloseBtn->click();
    QVERIFY(m_settings.NoResFlg);
    QTRY_VERIFY(!page.detailWindow());
    page.HitDoubleClicked();
    QVERIFY(!page.detailWindow());
    QCOMPARE(pad.toPlainText(), QStringLiteral("chatchat"));
    // The selector restyles and empties the query.
    page.SeaComboBox->setCurrentIndex(0);
    QVERIFY(page.SeaEdit->text().isEmpty());
}

void tst_EditorFrm::playerBesideTheEditor()
{
    QVERIFY(WriteUnicodeFile(m_folders.WordBookFolder + "/b.utx", QStringList(book(1))));
    QVERIFY(WriteFileBytes(m_folders.WordBookFolder + "/hello.wav", "RIFF").ok);
    QWidget owner;
    WindowRect place;
    VoicePlayback playback(m_settings, place, &owner);
    auto e = editor(&playback);
    e->setWindowModality(Qt::ApplicationModal);
    e->show();
    e->fields[6]->setText(QStringLiteral(" hello.wav "));
    e->VoicePlay->trigger();
    // The editor is modal: only a player of its own takes clicks.
    QVERIFY(playback.isOpen());
    QCOMPARE(playback.window()->parentWidget(), e.get());
    e->fields[6]->clear();
    e->VoicePlay->trigger();
    QTRY_VERIFY(!playback.isOpen());
}

QTEST_MAIN(tst_EditorFrm)
#include "tst_editorfrm.moc"
