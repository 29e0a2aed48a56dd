#include <QTest>

#include "mainfrmfixture.h"

class tst_PadTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void combine_data();
    void combine();
    void combineNoStopsWithoutChange();
    void divide_data();
    void divide();
    void combineLeavesPhoneticFieldAlone();
    void codeChecker_data();
    void codeChecker();
    void codeCheckerWithEmptyPadIsSilent_data();
    void codeCheckerWithEmptyPadIsSilent();
    void codeCheckerWritesHiddenField();
    void codeCheckerLongText();
};

void tst_PadTools::combine_data()
{
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("e acute t") << "e\u0301t"
                               << "ét"
                               << "1組、変換しました";
    QTest::newRow("two marks") << "a\u0301\u0302"
                               << "á\u0302"
                               << "1組、変換しました";
    QTest::newRow("q acute") << "q\u0301"
                             << "q\u0301"
                             << "0組、変換しました";
    QTest::newRow("empty") << ""
                           << ""
                           << "0組、変換しました";
    QTest::newRow("three lines") << "Que\u0301bec\nSa\u0303o\nZu\u0308rich\u00A0!"
                                 << "Québec\nSão\nZürich\u00A0!"
                                 << "3組、変換しました";
}

void tst_PadTools::combine()
{
    QFETCH(QString, pad);
    QFETCH(QString, result);
    QFETCH(QString, message);
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(pad);
    w->LatCombine->trigger();
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.dialogs.shown[0],
             (FakeDialogs::Shown{FakeDialogs::Kind::Confirm,
                                 "アルファベットと記号（２文字）を、記号付きアルファベット（１文字"
                                 "）に変換しますがよろしいですか？"}));
    QCOMPARE(f.dialogs.shown[1], (FakeDialogs::Shown{FakeDialogs::Kind::Information, message}));
    QCOMPARE(w->padText(), result);
    QVERIFY(w->Memo1->textCursor().atEnd());
}

void tst_PadTools::combineNoStopsWithoutChange()
{
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(QStringLiteral("e\u0301"));
    f.dialogs.confirmAnswers.enqueue(false);
    w->LatCombine->trigger();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(w->padText(), QStringLiteral("e\u0301"));
    f.dialogs.confirmAnswers.enqueue(false);
    w->LatDivide->trigger();
    QCOMPARE(f.dialogs.shown.size(), 2);
}

void tst_PadTools::divide_data()
{
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("Ça") << "Ça"
                        << "Ça"
                        << "0組、分解しました";
    QTest::newRow("élève") << "élève"
                           << "e\u0301le\u0300ve"
                           << "2組、分解しました";
    QTest::newRow("Ť ẗ") << "Ť ẗ"
                         << "T\u030C t\u0308"
                         << "2組、分解しました";
}

void tst_PadTools::divide()
{
    QFETCH(QString, pad);
    QFETCH(QString, result);
    QFETCH(QString, message);
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(pad);
    w->LatDivide->trigger();
    QCOMPARE(f.dialogs.shown.size(), 2);
    QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("記号付きアルファベット（１文字）をアルファベ"
                                                     "ットと記号に分解しますがよろしいですか？"));
    QCOMPARE(f.dialogs.shown[1], (FakeDialogs::Shown{FakeDialogs::Kind::Information, message}));
    QCOMPARE(w->padText(), result);
    QVERIFY(w->Memo1->textCursor().atEnd());
}

void tst_PadTools::combineLeavesPhoneticFieldAlone()
{
    MainFrmFixture f;
    auto w = f.create();
    w->Edit1->setText(QStringLiteral("e\u0301"));
    w->Memo1->setPlainText(QStringLiteral("e\u0301"));
    w->LatCombine->trigger();
    QCOMPARE(w->Edit1->text(), QStringLiteral("e\u0301"));
    // The change can be undone like typing.
    w->Memo1->undo();
    QCOMPARE(w->padText(), QStringLiteral("e\u0301"));
}

void tst_PadTools::codeChecker_data()
{
    QTest::addColumn<QString>("pad");
    QTest::addColumn<QString>("result");
    QTest::newRow("é") << "é"
                       << "/#$00E9";
    QTest::newRow("e + acute") << "e\u0301"
                               << "/#$0065/#$0301";
    QTest::newRow("blanks around") << "  ab  "
                                   << "/#$0061/#$0062";
    QTest::newRow("two lines") << "a\nb"
                               << "/#$0061/#$000D/#$000A/#$0062";
    QTest::newRow("outer lines trimmed") << "\n\na\n\n"
                                         << "/#$0061";
    QTest::newRow("astral") << "😀"
                            << "/#$D83D/#$DE00";
    QTest::newRow("no-break space") << "x\u00A0y"
                                    << "/#$0078/#$00A0/#$0079";
}

void tst_PadTools::codeChecker()
{
    QFETCH(QString, pad);
    QFETCH(QString, result);
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(pad);
    w->Edit1->setText(QStringLiteral("old"));
    w->CodeChecker->trigger();
    QCOMPARE(f.dialogs.shown,
             (QList<FakeDialogs::Shown>{
                 {FakeDialogs::Kind::Information, "結果は発音記号入力エリアに表示します。"}}));
    QCOMPARE(w->Edit1->text(), result);
    QCOMPARE(w->padText(), pad);
}

void tst_PadTools::codeCheckerWithEmptyPadIsSilent_data()
{
    QTest::addColumn<QString>("pad");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks and breaks") << "  \n\t\n ";
}

void tst_PadTools::codeCheckerWithEmptyPadIsSilent()
{
    QFETCH(QString, pad);
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(pad);
    w->Edit1->setText(QStringLiteral("keep"));
    w->CodeChecker->trigger();
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(w->Edit1->text(), QStringLiteral("keep"));
}

void tst_PadTools::codeCheckerWritesHiddenField()
{
    MainFrmFixture f;
    f.writeSettings({QStringLiteral("UpperUseFlg,0")});
    auto w = f.create();
    w->show();
    QVERIFY(!w->Edit1->isVisible());
    w->Memo1->setPlainText(QStringLiteral("é"));
    w->CodeChecker->trigger();
    QCOMPARE(w->Edit1->text(), QStringLiteral("/#$00E9"));
}

void tst_PadTools::codeCheckerLongText()
{
    // Longer than a line edit holds by default: nothing may be cut off.
    MainFrmFixture f;
    auto w = f.create();
    w->Memo1->setPlainText(QString(10000, u'a'));
    w->CodeChecker->trigger();
    QCOMPARE(w->Edit1->text().size(), 70000);
}

QTEST_MAIN(tst_PadTools)
#include "tst_padtools.moc"
