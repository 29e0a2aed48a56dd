// "書き出し（フラッシュカード用）…" in the main window's word-book menu.
#include <QTest>

#include "../main/mainfrmfixture.h"
#include "flashcardexportcommand.h"
#include "wordbookcontroller.h"

class TestFlashcardExportCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportsTheOpenBook()
    {
        MainFrmFixture f;
        const QString folder = f.folders.WordBookFolder;
        WriteUnicodeFile(folder + "/fr.utx",
                         {"仏語", "名詞", "",
                          "\"chat\",\"ʃa\",\"シャ\",\"猫\",\"\",\"chat.mp3\",\"\"",
                          "\"chien\",\"ʃjɛ̃\",\"シアン\",\"犬\",\"\",\"\",\"\""});
        WriteFileBytes(folder + "/chat.mp3", "ID3");
        auto w = f.create();
        QVERIFY(!w->ExportFlashcards->isEnabled());
        QVERIFY(w->wordBooks()->OpenListedBook("fr.utx"));
        QVERIFY(w->ExportFlashcards->isEnabled());

        w->ExportFlashcards->trigger(); // cancelled: nothing written
        QCOMPARE(f.dialogs.texts(), QStringList{"書き出し（フラッシュカード用）"});

        const QString path = f.home.path("Documents/fr.txt");
        f.dialogs.fileAnswers.enqueue(path);
        w->ExportFlashcards->trigger();
        QCOMPARE(f.dialogs.shown.last().kind, FakeDialogs::Kind::Information);
        QVERIFY2(f.dialogs.shown.last().text.contains("2 語"), qPrintable(f.dialogs.texts().last()));
        QByteArray bytes;
        QVERIFY(ReadFileBytes(path, &bytes));
        QVERIFY(bytes.contains("#deck:仏語\n"));
        QVERIFY(bytes.contains("chat<br>ʃa[sound:chat.mp3]\t猫<br>シャ\t名詞\n"));
        QVERIFY(QFile::exists(f.home.path("Documents/fr_media/chat.mp3")));
        QCOMPARE(FlashcardExportProposal("fr.utx"), QStringLiteral("fr.txt"));

        w->CloseWB->trigger();
        QVERIFY(!w->ExportFlashcards->isEnabled());
    }
};

QTEST_MAIN(TestFlashcardExportCommand)
#include "tst_flashcardexportcommand.moc"
