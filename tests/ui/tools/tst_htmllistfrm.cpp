// The HTML list tool: the file choice, generating, saving and showing the page.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "htmllist.h"
#include "tablefixture.h"
#include "thtmllistfrm.h"

class tst_HtmlListFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fileChoice();
    void generateSaveShow();
    void saveWithoutName_data();
    void saveWithoutName();

private:
    std::unique_ptr<TableFixture> m_f;
    std::unique_ptr<THtmlListFrm> m_frm;
};

void tst_HtmlListFrm::init()
{
    m_f = std::make_unique<TableFixture>();
    m_f->settings.UsrMainFont = QStringLiteral("Main Font");
    m_f->settings.UsrSubFont = QStringLiteral("Sub Font");
    m_f->write(QStringLiteral("CandVelmor.csv"), {R"("<","00AB",,,,,,,,)"});
    m_f->write(QStringLiteral("CandAll.csv"), {R"("E","0259",,,,,,,,)"});
    m_f->write(QStringLiteral("candmine.csv"), {});
    m_f->write(QStringLiteral("DBPhonet.csv"), {});
    m_frm = std::make_unique<THtmlListFrm>(m_f->settings, m_f->folders, m_f->platform);
}

void tst_HtmlListFrm::cleanup()
{
    m_frm.reset();
    m_f.reset();
}

void tst_HtmlListFrm::fileChoice()
{
    QCOMPARE(m_frm->candidateFiles(),
             (QStringList{"CandAll.csv", "CandVelmor.csv", "candmine.csv"}));
    QCOMPARE(m_frm->ComboBox2->currentText(), QStringLiteral("Main Font"));
    QCOMPARE(m_frm->ComboBox3->currentText(), QStringLiteral("160"));
    m_frm->show(); // chooses the first file
    QCOMPARE(m_frm->Edit1->text(), QStringLiteral("発音記号　候補順ファイル"));
    QCOMPARE(m_frm->Edit2->text(), QStringLiteral("CandAll.html"));
    QCOMPARE(m_frm->ComboBox2->currentText(), QStringLiteral("Sub Font"));
    m_frm->ComboBox1->setCurrentText(QStringLiteral("CandVelmor.csv"));
    QCOMPARE(m_frm->Edit1->text(), QStringLiteral("欧文　候補順ファイル"));
    QCOMPARE(m_frm->ComboBox2->currentText(), QStringLiteral("Main Font"));
    m_frm->ComboBox1->setCurrentText(QStringLiteral("candmine.csv"));
    QCOMPARE(m_frm->Edit1->text(), QStringLiteral("候補順ファイル"));
    QCOMPARE(m_frm->Edit2->text(), QStringLiteral("candmine.html"));
    QCOMPARE(m_frm->ComboBox2->currentText(), QStringLiteral("Main Font"));
}

void tst_HtmlListFrm::generateSaveShow()
{
    m_frm->show();
    m_frm->ComboBox1->setCurrentText(QStringLiteral("CandVelmor.csv"));
    m_frm->ComboBox3->setCurrentText(QStringLiteral("200"));
    m_frm->GenerateExecute();
    HtmlListOptions o{QStringLiteral("欧文　候補順ファイル"), QStringLiteral("Main Font"),
                      QStringLiteral("200"), QStringLiteral("CandVelmor.csv")};
    const QStringList page = HtmlListPage(o, {R"("<","00AB",,,,,,,,)"});
    QCOMPARE(m_frm->Memo1->toPlainText(), page.join(u'\n'));
    m_frm->SaveExecute();
    QCOMPARE(m_f->bytes(QStringLiteral("CandVelmor.html")), HtmlListBytes(page));
    m_frm->ShowExecute();
    QCOMPARE(m_f->shell.opened, QStringList{m_f->table(QStringLiteral("CandVelmor.html"))});
    // A file that is not there: the text area keeps the page; nothing to show.
    m_frm->ComboBox1->setCurrentText(QStringLiteral("CandGone.csv"));
    m_frm->GenerateExecute();
    QCOMPARE(m_frm->Memo1->toPlainText(), page.join(u'\n'));
    m_frm->ShowExecute();
    QCOMPARE(m_f->shell.opened.size(), 1);
    QVERIFY(m_f->dialogs.shown.isEmpty());
}

void tst_HtmlListFrm::saveWithoutName_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blank name warns") << "  ";
    QTest::newRow("nothing generated: empty file") << "empty.html";
}

void tst_HtmlListFrm::saveWithoutName()
{
    QFETCH(QString, name);
    m_frm->Edit2->setText(name);
    m_frm->SaveExecute();
    if (name.trimmed().isEmpty()) {
        QCOMPARE(m_f->dialogs.texts(),
                 QStringList{"保存するファイル名(*.html)を入力して下さい。"});
    } else {
        QVERIFY(m_f->dialogs.shown.isEmpty());
        QVERIFY(QFile::exists(m_f->table(name)));
        QCOMPARE(m_f->bytes(name), QByteArray());
    }
}

QTEST_MAIN(tst_HtmlListFrm)
#include "tst_htmllistfrm.moc"
