// The symbol database editor driven as a user would: the grouped list, selecting and
// editing rows, 追加 / 挿入 / 削除, the search, saving and read-only mode.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "symbollistmodel.h"
#include "tablefixture.h"
#include "tsymdbfrm.h"
#include "toolwidgets.h"

namespace {

const QStringList Db = {
    R"(Group,0,"Vowels")", R"(Group,1,"Consonants")", R"(Group,2,"Marks")",
    R"(0,"0259","SCHWA","シュワー","0","")",
    R"(2,"0301","ACUTE","鋭アクセント","1","注意")",
    R"(0,"025B","OPEN E","開いたe","0","")",
    R"(2,"0300","GRAVE","重アクセント","1","")",
    R"(0,"0259","SCHWA AGAIN","","0","")",
};

} // namespace

class tst_SymDBFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensGrouped();
    void selectEditAndPreview();
    void addInsertDelete();
    void search_data();
    void search();
    void droppedRowsAsked_data();
    void droppedRowsAsked();
    void saveAsAndFailedWrite();
    void readOnly();

private:
    std::unique_ptr<TSymDBFrm> create();
    qsizetype groupOf(qsizetype record) const
    {
        return m_frm->symbols()->records()[record].groupNumber;
    }
    std::unique_ptr<TableFixture> m_f;
    std::unique_ptr<TSymDBFrm> m_frm;
};

void tst_SymDBFrm::init()
{
    m_f = std::make_unique<TableFixture>();
    m_f->write(QStringLiteral("DBPhonet.csv"), Db);
}

void tst_SymDBFrm::cleanup()
{
    m_frm.reset();
    m_f.reset();
}

std::unique_ptr<TSymDBFrm> tst_SymDBFrm::create()
{
    auto frm = std::make_unique<TSymDBFrm>(m_f->settings, m_f->folders, m_f->platform, m_f->bounds);
    frm->show();
    return frm;
}

void tst_SymDBFrm::opensGrouped()
{
    m_frm = create();
    SymbolListModel *m = m_frm->symbols();
    // Heading, the three vowels in file order, heading, the two marks; "Consonants" is empty.
    QCOMPARE(m->rowCount(), 7);
    QCOMPARE(m->headingRows(), (QList<int>{0, 4}));
    QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("Vowels"));
    QCOMPARE(m->recordAt(3), 4);
    QCOMPARE(m->index(5, SymbolListModel::NoColumn).data().toString(), QStringLiteral("2"));
    QVERIFY(m->index(5, 0).data(SymbolListModel::AttentionRole).toBool());
    QCOMPARE(m_frm->ComboGroup->count(), 3);
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("●ファイル名：DBPhonet.csv"));
    QVERIFY(m_frm->SaveSymDBFile->isEnabled() && !m_frm->AddArea->isEnabled());
    QCOMPARE(m_frm->glyphFont().family(), m_f->settings.UsrSubFont);
    // 開く of the letter database switches the glyph font.
    m_f->write(QStringLiteral("DBVelmor.csv"), {R"(Group,0,"A")"});
    m_f->dialogs.fileAnswers.enqueue(m_f->table(QStringLiteral("DBVelmor.csv")));
    m_frm->OpenSymDBFileExecute();
    QCOMPARE(m_f->dialogs.lastFolder, m_f->table(QStringLiteral("DBPhonet.csv")));
    QCOMPARE(m_frm->glyphFont().family(), m_f->settings.UsrMainFont);
    QCOMPARE(m_frm->symbols()->rowCount(), 0);
}

void tst_SymDBFrm::selectEditAndPreview()
{
    m_frm = create();
    m_frm->ListView1->selectRecord(2);
    QCOMPARE(m_frm->EditNo->text(), QStringLiteral("3"));
    QCOMPARE(m_frm->ComboGroup->currentIndex(), 0);
    QVERIFY(m_frm->DeleteArea->isEnabled() && m_frm->AddArea->isEnabled());
    QCOMPARE(m_frm->Image1->glyph(), QStringLiteral("ɛ"));
    QTest::keyClicks(m_frm->EditEnglish, QStringLiteral(" LETTER"));
    QCOMPARE(m_frm->symbols()->records()[2].englishName, QStringLiteral("OPEN E LETTER"));
    // A lower-case code leaves the row's code; the preview turns silver.
    m_frm->EditCode->selectAll();
    QTest::keyClicks(m_frm->EditCode, QStringLiteral("00e9"));
    QCOMPARE(m_frm->symbols()->records()[2].code, QStringLiteral("025B"));
    QCOMPARE(m_frm->Image1->background(), QColor(0xC0, 0xC0, 0xC0));
    m_frm->EditCode->selectAll();
    QTest::keyClicks(m_frm->EditCode, QStringLiteral("00E9"));
    QCOMPARE(m_frm->symbols()->records()[2].glyph, QStringLiteral("é"));
    m_frm->ComboAux->setCurrentIndex(2);
    Q_EMIT m_frm->ComboAux->activated(2);
    QCOMPARE(m_frm->symbols()->records()[2].aux, QStringLiteral("2"));
}

void tst_SymDBFrm::addInsertDelete()
{
    m_frm = create();
    // No selection, group 1 has no rows, group 2 does: before the first row of group 2.
    m_frm->ComboGroup->setCurrentIndex(1);
    Q_EMIT m_frm->ComboGroup->activated(1);
    QVERIFY(m_frm->AddArea->isEnabled());
    m_frm->AddArea->trigger();
    QCOMPARE(m_frm->ListView1->selectedRecord(), 1);
    QCOMPARE(groupOf(1), 1);
    QCOMPARE(m_frm->EditNo->text(), QStringLiteral("2"));
    QVERIFY(m_frm->EditCode->isEnabled());
    // 挿入 above the selected row, in its group; then 削除 renumbers.
    m_frm->ListView1->selectRecord(4); // GRAVE, group 2, No 5
    m_frm->InsertArea->trigger();
    QCOMPARE(m_frm->ListView1->selectedRecord(), 4);
    QCOMPARE(groupOf(4), 2);
    QCOMPARE(m_frm->symbols()->records()[5].englishName, QStringLiteral("GRAVE"));
    m_frm->ListView1->selectRecord(2);
    m_frm->DeleteArea->trigger();
    QCOMPARE(m_frm->ListView1->selectedRecord(), -1);
    QVERIFY(m_frm->EditNo->text().isEmpty() && !m_frm->DeleteArea->isEnabled());
    const QList<SymbolRecord> &r = m_frm->symbols()->records();
    QCOMPARE(r.size(), 6);
    for (int i = 0; i < r.size(); ++i)
        QCOMPARE(r[i].no, i + 1);
}

void tst_SymDBFrm::search_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("first of two equal codes") << "0259" << 0 << QString();
    QTest::newRow("lower case does nothing") << "025b" << -2 << QString();
    QTest::newRow("not registered") << "1D4A" << -1 << "この記号はまだ登録されていません。";
}

void tst_SymDBFrm::search()
{
    QFETCH(QString, typed);
    QFETCH(int, selected);
    QFETCH(QString, message);
    m_frm = create();
    m_frm->ListView1->selectRecord(3);
    m_frm->Edit1->setFocus();
    QTest::keyClicks(m_frm->Edit1, typed);
    QCOMPARE(m_frm->ListView1->selectedRecord(), selected == -2 ? 3 : selected);
    QCOMPARE(m_f->dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (selected == -1) {
        QCOMPARE(m_frm->EditCode->text(), QStringLiteral("1D4A"));
        QCOMPARE(m_frm->Image1->glyph(), QStringLiteral("ᵊ"));
    }
}

void tst_SymDBFrm::droppedRowsAsked_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("cancel keeps the file") << false;
    QTest::newRow("yes writes without the row") << true;
}

void tst_SymDBFrm::droppedRowsAsked()
{
    QFETCH(bool, answer);
    m_frm = create();
    const QByteArray before = m_f->bytes(QStringLiteral("DBPhonet.csv"));
    m_frm->ListView1->selectRecord(0);
    m_frm->AddArea->trigger(); // a row that never gets a code, No 2
    m_f->dialogs.confirmAnswers.enqueue(answer);
    m_frm->SaveSymDBFileExecute();
    QCOMPARE(m_f->dialogs.shown.first().kind, FakeDialogs::Kind::Confirm);
    QVERIFY(m_f->dialogs.shown.first().text.contains(QStringLiteral("No：2\r\n")));
    const QByteArray after = m_f->bytes(QStringLiteral("DBPhonet.csv"));
    if (!answer) {
        QCOMPARE(after, before);
        QCOMPARE(m_f->dialogs.shown.size(), 1);
        QVERIFY(m_frm->savedPaths().isEmpty());
    } else {
        QCOMPARE(after.count("\r\n"), before.count("\r\n"));
        QCOMPARE(m_f->dialogs.texts().last(), QStringLiteral("保存しました。"));
        QCOMPARE(m_frm->savedPaths(), QStringList{m_f->table(QStringLiteral("DBPhonet.csv"))});
    }
    QCOMPARE(m_frm->symbols()->records().size(), 6); // the list keeps the row
}

void tst_SymDBFrm::saveAsAndFailedWrite()
{
    m_frm = create();
    m_f->dialogs.fileAnswers.enqueue(m_f->table(QStringLiteral("DBVelmor")));
    m_frm->Save2SymDBFileExecute();
    const QString saved = m_f->table(QStringLiteral("DBVelmor.csv"));
    QCOMPARE(m_frm->currentFile(), saved);
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("DBVelmor.csv"));
    QCOMPARE(LoadSymbolDatabase(saved), LoadSymbolDatabase(m_f->table(QStringLiteral("DBPhonet.csv"))));
    QVERIFY(m_f->dialogs.texts().filter(QStringLiteral("保存しました")).isEmpty());
    // A folder that does not exist: reported with the name, nothing else changes.
    const QString bad = m_f->home.path(QStringLiteral("none/DBx.csv"));
    m_f->dialogs.fileAnswers.enqueue(bad);
    m_frm->Save2SymDBFileExecute();
    QCOMPARE(m_f->dialogs.shown.last().kind, FakeDialogs::Kind::Warning);
    QVERIFY(m_f->dialogs.shown.last().text.contains(QStringLiteral("DBx.csv")));
    QCOMPARE(m_frm->currentFile(), saved);
    QCOMPARE(m_frm->savedPaths(), QStringList{saved});
}

void tst_SymDBFrm::readOnly()
{
    m_f->settings.SysTblFlg = true;
    m_f->folders.TableFolder = m_f->folders.SystemTableFolder;
    m_f->write(QStringLiteral("DBPhonet.csv"), Db);
    m_frm = create();
    QCOMPARE(m_frm->windowTitle(), QStringLiteral("記号データベース　（読み込み専用）"));
    m_frm->ListView1->selectRecord(0);
    QTest::keyClicks(m_frm->EditEnglish, QStringLiteral("X"));
    QCOMPARE(m_frm->EditEnglish->text(), QStringLiteral("SCHWAX"));
    QCOMPARE(m_frm->symbols()->records()[0].englishName, QStringLiteral("SCHWA"));
    for (QAction *a : {m_frm->SaveSymDBFile, m_frm->Save2SymDBFile, m_frm->DeleteArea,
                       m_frm->InsertArea, m_frm->AddArea})
        QVERIFY(!a->isEnabled());
    QVERIFY(m_frm->OpenSymDBFile->isEnabled());
}

QTEST_MAIN(tst_SymDBFrm)
#include "tst_symdbfrm.moc"
