// The conversion dialog: the lists, which files "開始" converts, the failure report,
// and "反映する" in the main window.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "../main/mainfrmfixture.h"
#include "tconvertfrm.h"
#include "wordbookcontroller.h"
#include "wordbooklistmodel.h"
#include "wordlistmodel.h"

class TestConvertFrm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainFrmFixture> f;
    QString source;

    void copySample(const QString &sample, const QString &as)
    {
        QVERIFY(QFile::copy(QFINDTESTDATA("../../tools/convertbooks/source/" + sample),
                            source + u'/' + as));
    }
    QStringList items(QListWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<MainFrmFixture>();
        source = f->home.path("Documents/Kestrane/Velmor/EnglishA");
        QDir().mkpath(source);
    }

    void opening()
    {
        copySample("english.ewd", "b.ewd");
        copySample("english.ewd", "A.EWD");
        copySample("korean.kwd", "k.kwd");
        TConvertFrm dialog(f->folders, f->dialogs);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("単語帳変換ツール"));
        QCOMPARE(dialog.size(), QSize(700, 700));
        QCOMPARE(dialog.ComboBox1->count(), 11);
        QCOMPARE(dialog.ComboBox1->currentText(), QStringLiteral("VelmorLady　(*.ewd)"));
        QCOMPARE(dialog.sourceFolder(), source);
        QCOMPARE(dialog.targetFolder(), f->folders.WordBookFolder);
        QCOMPARE(items(dialog.ListBox1), (QStringList{"A.EWD", "b.ewd"}));
        dialog.ComboBox1->setCurrentIndex(0);
        QCOMPARE(items(dialog.ListBox1), QStringList{"k.kwd"});

        // A cancelled folder dialog changes nothing; a chosen one lists its files.
        dialog.SpeedButton1Click();
        QCOMPARE(dialog.sourceFolder(), source);
        f->dialogs.fileAnswers.enqueue(f->home.root);
        dialog.SpeedButton1Click();
        QCOMPARE(dialog.Edit1->text(), f->home.root);
        QCOMPARE(dialog.ListBox1->count(), 0);
        QCOMPARE(f->dialogs.texts().first(), QStringLiteral("変換元フォルダー"));

        QDir(source).removeRecursively();
        QCOMPARE(TConvertFrm::DefaultSourceFolder(f->folders), QDir::homePath());
    }

    void startConverts_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("none selected: all") << QList<int>{}
                                            << QStringList{"a.utx", "b.utx", "c.utx", "d.utx",
                                                           "e.utx"};
        QTest::newRow("two of five") << QList<int>{1, 3} << QStringList{"b.utx", "d.utx"};
    }
    void startConverts()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, written);
        for (const char *name : {"a", "b", "c", "d", "e"})
            copySample("english.ewd", QLatin1String(name) + QStringLiteral(".ewd"));
        TConvertFrm dialog(f->folders, f->dialogs);
        for (int row : selected)
            dialog.ListBox1->item(row)->setSelected(true);
        dialog.StartBtn->click();
        QCOMPARE(items(dialog.ListBox2), written);
        QStringList books = QDir(f->folders.WordBookFolder).entryList({"?.utx"});
        QCOMPARE(books, written);
        QVERIFY(dialog.Memo1->toPlainText().contains(QStringLiteral("b.ewd ⇒ b.utx（4 語）")));
        QVERIFY(f->dialogs.shown.isEmpty());
    }

    void failureStopsTheRun()
    {
        copySample("english.ewd", "a.ewd");
        copySample("short.ewd", "m.ewd");
        copySample("english.ewd", "z.ewd");
        TConvertFrm dialog(f->folders, f->dialogs);
        dialog.StartBtnClick();
        QCOMPARE(items(dialog.ListBox2), (QStringList{"a.utx", "m.utx"}));
        QVERIFY(!QFile::exists(f->folders.WordBookFolder + "/z.utx"));
        QCOMPARE(f->dialogs.shown.size(), 1);
        const QString report = f->dialogs.shown[0].text;
        QVERIFY2(report.contains("「m.ewd」の 3 語目") && report.contains("2 語を「m.utx」") &&
                     report.contains(QStringLiteral("残りの 1 ファイル")),
                 qPrintable(report));
        QVERIFY(!dialog.running() && dialog.StartBtn->isEnabled());
    }

    void questionsAndHint()
    {
        copySample("phonetic.pwd", "p.pwd");
        TConvertFrm dialog(f->folders, f->dialogs);
        dialog.ComboBox1->setCurrentIndex(10);
        dialog.StartBtnClick();
        dialog.SpeedButton3Click();
        QCOMPARE(f->dialogs.texts(),
                 (QStringList{QStringLiteral("p.pwdの、外国語は英語か欧文ですか？"),
                              QStringLiteral("(1)変換元に選択状態のファイルがない場合はすべてを変換"
                                             "します。\r\n(2)変換元に選択状態のファイルがある場合"
                                             "はその単語帳だけ変換します。\r\n(3)保存先に同名のフ"
                                             "ァイル名があった場合は自動で別ファイル名を生成し保存"
                                             "します。\r\n")}));
    }

    // "反映する" lists the new books and keeps the open book with its words.
    void reflectKeepsOpenBook()
    {
        WriteUnicodeFile(f->folders.WordBookFolder + "/x.utx",
                         {"X", "", "", "\"piano\",\"\",\"\",\"ピアノ\",\"\",\"\",\"\""});
        copySample("korean.kwd", "k.kwd");
        auto w = f->create();
        QVERIFY(w->wordBooks()->OpenListedBook("x.utx"));
        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TConvertFrm *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->ComboBox1->setCurrentIndex(0);
            dialog->StartBtnClick();
            dialog->Button1->click();
            driven = true;
        });
        w->ConvertTool->trigger();
        QVERIFY(driven);
        QVERIFY(FindWordBookRow(w->wordBooks()->bookListModel()->rows(), "k.utx") >= 0);
        QCOMPARE(w->wordBooks()->openBook().fileName, QStringLiteral("x.utx"));
        QCOMPARE(w->wordBooks()->wordListModel()->rowCount(), 1);
        QVERIFY(w->ListView1->isEnabled());
    }
};

QTEST_MAIN(TestConvertFrm)
#include "tst_convertfrm.moc"
