// The candidate-order editor driven as a user would, and its rebuild when it closes
// from the main window.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "../main/mainfrmfixture.h"
#include "inputcontroller.h"
#include "symbollistmodel.h"
#include "tablefixture.h"
#include "tcandeditorfrm.h"
#include "tableeditors.h"
#include "tcandkeyboard.h"
#include "toolwidgets.h"
#include "triggerkeyboard.h"
#include "ttriggerkeyboard.h"

namespace {

const QStringList Db = {
    R"(Group,0,"Vowels")",
    R"(0,"0259","SCHWA","","0","")",
    R"(0,"025B","OPEN E","","0","")",
    R"(0,"1D4A","SMALL SCHWA","","1","")",
};
const QStringList Cand = {
    R"("E","0259","","025B",,,,,,)",
    R"("0022","0301",,,,,,,,)",
    R"("A",,,,,,,,,)",
};

QStringList nos(const TCandEditorFrm &f)
{
    QStringList out;
    for (QLineEdit *e : f.NoEdits)
        out.append(e->text());
    return out;
}

} // namespace

class tst_CandEditorFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void showsCandidates();
    void notACandidateFile();
    void registerDoubleQuoteTwice();
    void newFileSavedAndReopened();
    void overwriteNoStillRebuilds();
    void missingFileWritesNothing();
    void otherDatabaseClosesContent();
    void jump();
    void readOnly();
    void closingRebuildsTheKeyboard();

private:
    std::unique_ptr<TCandEditorFrm> create();
    std::unique_ptr<TableFixture> m_f;
    std::unique_ptr<TCandEditorFrm> m_frm;
};

void tst_CandEditorFrm::init()
{
    m_f = std::make_unique<TableFixture>();
    m_f->write(QStringLiteral("DBPhonet.csv"), Db);
    m_f->write(QStringLiteral("CandAll.csv"), Cand);
}

void tst_CandEditorFrm::cleanup()
{
    m_frm.reset();
    m_f.reset();
}

std::unique_ptr<TCandEditorFrm> tst_CandEditorFrm::create()
{
    auto frm =
        std::make_unique<TCandEditorFrm>(m_f->settings, m_f->folders, m_f->platform, m_f->bounds);
    frm->show();
    return frm;
}

void tst_CandEditorFrm::showsCandidates()
{
    m_frm = create();
    QVERIFY(m_frm->recognised() && m_frm->ListBox1->isEnabled());
    QCOMPARE(m_frm->SymDBName->text(), QStringLiteral(" DBPhonet.csv "));
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("●候補順ファイル名：CandAll.csv"));
    QCOMPARE(m_frm->ListBox1->count(), 58);
    QVERIFY(m_frm->KeyBoard1->hasCandidates(u'E') && m_frm->KeyBoard1->hasCandidates(u'"'));
    QVERIFY(!m_frm->KeyBoard1->hasCandidates(u'A'));
    // A press on the keyboard selects the key in the list too.
    const QRect e = m_frm->KeyBoard1->keyRect(15);
    QTest::mouseClick(m_frm->KeyBoard1, Qt::LeftButton, {}, e.center());
    QCOMPARE(m_frm->selectedKey(), QChar(u'E'));
    QCOMPARE(m_frm->ListBox1->currentItem()->text(), QStringLiteral("  E"));
    QCOMPARE(m_frm->KeyBoard1->faceOf(15).face, QColor(Qt::red));
    QCOMPARE(nos(*m_frm), (QStringList{"1", "", "2", "", "", "", "", "", ""}));
    QCOMPARE(m_frm->SlotImages[0]->glyph(), QStringLiteral("ə"));
    QVERIFY(m_frm->SlotImages[1]->glyph().isEmpty());
    QVERIFY(m_frm->RegBtn->isEnabled());
    m_frm->SelectKey(u'A');
    QCOMPARE(nos(*m_frm), QStringList(9));
}

void tst_CandEditorFrm::notACandidateFile()
{
    m_f->write(QStringLiteral("CandAll.csv"), {"just text", R"("E","0259",,,,,,,,)"});
    m_frm = create();
    QCOMPARE(m_f->dialogs.texts(), QStringList{"このファイルは候補順ファイルではありません。"});
    QVERIFY(!m_frm->recognised());
    m_frm->SelectKey(u'E'); // still loaded and editable
    QCOMPARE(m_frm->NoEdits[0]->text(), QStringLiteral("1"));
    QVERIFY(m_frm->SaveCandFile->isEnabled());
}

void tst_CandEditorFrm::registerDoubleQuoteTwice()
{
    m_frm = create();
    for (int round = 0; round < 2; ++round) {
        m_frm->SelectKey(u'"');
        m_frm->NoEdits[0]->setText(QStringLiteral("3"));
        m_frm->NoEdits[1]->setText(QStringLiteral("7")); // no such row: an empty slot
        m_frm->RegisterExecute();
    }
    const QString line = QStringLiteral(R"("0022","1D4A","","","","","","","","")");
    QCOMPARE(m_frm->content(), (QStringList{Cand[0], line, Cand[2]}));
    QCOMPARE(m_f->dialogs.texts().last(),
             QStringLiteral("トリガーキー\"\"\"の候補を登録しました。\r\n"
                            "上書または保存ボタンを押すまでは候補順ファイルを更新しません。"));
    QCOMPARE(m_f->bytes(QStringLiteral("CandAll.csv")), EncodeAnsiLines(Cand));
}

void tst_CandEditorFrm::newFileSavedAndReopened()
{
    m_frm = create();
    m_f->dialogs.confirmAnswers.enqueue(false);
    m_frm->NewCandFileExecute(); // a file is loaded: asked first, No cancels
    QCOMPARE(m_frm->content(), Cand);
    m_frm->NewCandFileExecute();
    QCOMPARE(m_frm->content().size(), 58);
    QVERIFY(!m_frm->SaveCandFile->isEnabled() && m_frm->Save2CandFile->isEnabled());
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("●候補順ファイル： \"\" "));
    m_frm->SaveCandFileExecute(); // no file name: nothing happens
    m_f->dialogs.shown.clear();
    m_f->dialogs.fileAnswers.enqueue(m_f->table(QStringLiteral("CandNew")));
    m_frm->Save2CandFileExecute();
    const QString path = m_f->table(QStringLiteral("CandNew.csv"));
    QCOMPARE(m_frm->candidateFile(), path);
    QVERIFY(m_frm->SaveCandFile->isEnabled());
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("●候補順ファイル： \"CandNew.csv\" "));
    m_f->dialogs.fileAnswers.enqueue(path);
    m_frm->OpenCandFileExecute();
    QCOMPARE(m_f->dialogs.shown.size(), 2); // the two file dialogs, no warning
    QVERIFY(m_frm->recognised());
}

void tst_CandEditorFrm::overwriteNoStillRebuilds()
{
    m_frm = create();
    m_frm->SelectKey(u'A');
    m_frm->NoEdits[0]->setText(QStringLiteral("1"));
    m_frm->RegisterExecute();
    m_f->dialogs.confirmAnswers.enqueue(false);
    m_frm->SaveCandFileExecute();
    const QString path = m_f->table(QStringLiteral("CandAll.csv"));
    QCOMPARE(m_f->dialogs.shown.last().text,
             u'"' + QDir::toNativeSeparators(path) + QStringLiteral("\"が既に存在します。上書きしますか？"));
    QCOMPARE(m_f->bytes(QStringLiteral("CandAll.csv")), EncodeAnsiLines(Cand));
    QCOMPARE(m_frm->savedPaths(), QStringList{path});
    m_frm->SaveCandFileExecute(); // Yes
    QCOMPARE(ReadTextFile(path, TextFileKind::Table).lines, m_frm->content());
}

void tst_CandEditorFrm::missingFileWritesNothing()
{
    QFile::remove(m_f->table(QStringLiteral("CandAll.csv")));
    m_frm = create();
    QVERIFY(!m_frm->hasContent() && m_f->dialogs.shown.isEmpty());
    QVERIFY(!m_frm->SaveCandFile->isEnabled() && !m_frm->Save2CandFile->isEnabled());
    QVERIFY(!m_frm->ListBox1->isEnabled() && !m_frm->NoEdits[0]->isEnabled());
    m_frm->SelectKey(u'E');
    m_frm->RegisterExecute();
    m_frm->SaveCandFileExecute();
    m_frm->Save2CandFileExecute();
    QVERIFY(m_f->dialogs.shown.isEmpty());
    QVERIFY(!QFile::exists(m_f->table(QStringLiteral("CandAll.csv"))));
    QVERIFY(m_frm->savedPaths().isEmpty());
}

void tst_CandEditorFrm::otherDatabaseClosesContent()
{
    m_frm = create();
    m_frm->SelectKey(u'E');
    m_f->write(QStringLiteral("DBVelmor.csv"), {R"(0,"00E9","E ACUTE","","0","")"});
    m_f->dialogs.fileAnswers.enqueue(m_f->table(QStringLiteral("DBVelmor.csv")));
    m_frm->OpenSymDBExecute();
    QCOMPARE(m_frm->SymDBName->text(), QStringLiteral(" DBVelmor.csv "));
    QCOMPARE(m_frm->symbols()->records().size(), 1);
    QVERIFY(!m_frm->ListBox1->isEnabled() && !m_frm->NoEdits[0]->isEnabled());
    QVERIFY(nos(*m_frm).join(QString()).isEmpty());
    QVERIFY(!m_frm->SaveCandFile->isEnabled() && !m_frm->Save2CandFile->isEnabled());
    QVERIFY(!m_frm->RegBtn->isEnabled() && m_frm->selectedKey().isNull());
    QCOMPARE(m_frm->StatusFile->text(), QStringLiteral("●候補順ファイル名："));
}

void tst_CandEditorFrm::jump()
{
    m_frm = create();
    m_frm->activateWindow();
    m_frm->SelectKey(u'A');
    QLineEdit *slot = m_frm->NoEdits[4];
    slot->setFocus();
    QTest::keyClicks(slot, QStringLiteral("3"));
    QVERIFY(m_frm->JumpBtn->isEnabled());
    QTest::mouseClick(m_frm->JumpBtn, Qt::LeftButton);
    QCOMPARE(m_frm->ListView1->selectedRecord(), 2);
    QVERIFY(!m_frm->JumpBtn->isEnabled());
    QTest::keyClicks(slot, QStringLiteral("9")); // "39": no row
    QVERIFY(!m_frm->JumpBtn->isEnabled());
}

void tst_CandEditorFrm::readOnly()
{
    m_f->settings.SysTblFlg = true;
    m_frm = create();
    QCOMPARE(m_frm->windowTitle(), QStringLiteral("候補順エディタ　（読み込み専用）"));
    m_frm->SelectKey(u'E');
    QCOMPARE(m_frm->NoEdits[2]->text(), QStringLiteral("2"));
    for (QAction *a : {m_frm->NewCandFile, m_frm->SaveCandFile, m_frm->Save2CandFile})
        QVERIFY(!a->isEnabled());
    QVERIFY(!m_frm->RegBtn->isEnabled());
    m_frm->RegisterExecute();
    QCOMPARE(m_frm->content(), Cand);
}

void tst_CandEditorFrm::closingRebuildsTheKeyboard()
{
    MainFrmFixture main;
    const QString folder = main.folders.UserTableFolder;
    QDir().mkpath(folder);
    WriteAnsiFile(folder + QStringLiteral("/DBPhonet.csv"), Db);
    WriteAnsiFile(folder + QStringLiteral("/CandVelmor.csv"), {R"("[","00E9",,,,,,,,)"});
    main.inputMethod.layouts = {QStringLiteral("xkb:us::eng"), QStringLiteral("xkb:jp::jpn")};
    main.inputMethod.current = QStringLiteral("xkb:us::eng");
    auto w = main.create();
    w->settings().CusJpImeStr = QStringLiteral("xkb:jp::jpn");
    w->show();
    QPushButton *semicolon = nullptr;
    for (int i = 1; i < TriggerKeyCount; ++i)
        if (TriggerKeyUnshifted(i) == u';')
            semicolon = w->Input->triggerKeyboard()->key(i);
    QVERIFY(semicolon && !semicolon->font().bold());
    main.dialogs.fileAnswers.enqueue(folder + QStringLiteral("/CandVelmor.csv"));
    bool ran = false;
    QTimer::singleShot(0, w.get(), [&] {
        auto *frm = qobject_cast<TCandEditorFrm *>(QApplication::activeModalWidget());
        if (!frm)
            return;
        ran = true;
        // Japanese is typed in the editor: its layout was chosen on opening.
        QCOMPARE(main.inputMethod.current, QStringLiteral("xkb:jp::jpn"));
        frm->OpenCandFileExecute();
        frm->SelectKey(u';');
        frm->NoEdits[0]->setText(QStringLiteral("1"));
        frm->RegisterExecute();
        frm->SaveCandFileExecute(); // the overwrite question: Yes
        frm->close();
    });
    w->OpenCandEditor->trigger();
    QVERIFY(ran);
    QVERIFY(semicolon->font().bold());
    QCOMPARE(w->windowPlaces()[CandEditorFrmPlace].width(), 900);
}

QTEST_MAIN(tst_CandEditorFrm)
#include "tst_candeditorfrm.moc"
