#include <QFile>
#include <QTest>

#include "mainfrmfixture.h"

class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namedControlsExist();
    void controlBar();
    void tabsAndCaptions();
    void statusBarAtStart();
    void statusTitleShortenedOnlyWhenLong_data();
    void statusTitleShortenedOnlyWhenLong();
    void placementWithoutSettings();
    void placementFromSettings();
    void wordListStretchesByDefault();
    void padAreaStretchesWhenSet();
    void layoutSwitchAtRunTime();
    void fontPanelNeverNarrowerThan160();
    void wordListSurvivesStretchSwitchWhenLarge();
    void sizesFromTheFileFitTheScreen();
    void settingsRefreshedOnClose();
    void noSaveFlagKeepsTheFile();
    void applySettings();
    void mirroredSettings();
    void directionCaptions_data();
    void directionCaptions();
};

void tst_Layout::namedControlsExist()
{
    MainFrmFixture f;
    auto w = f.create();
    for (const char *name :
         {"MainMenu1",    "ControlBar1",  "Panel4",       "Panel5",    "Panel6",       "Panel10",
          "ComboBox1",    "ComboBox3",    "ComboBox2",    "Splitter4", "Panel9",       "CheckBox3",
          "Label4",       "Shape1",       "TransSpBtn",   "Label3",    "Edit2",        "CheckBox2",
          "StatusBar1",   "Panel1",       "Splitter1",    "PanelA",    "PageControl2", "Splitter2",
          "Edit1",        "Memo1",        "PageControl1", "ListView1", "Splitter3",    "Panel7",
          "Panel8",       "NewSpBtn",     "DicSpBtn",     "ChangeBtn", "SpeedButton2", "CheckBox1",
          "RadioButton1", "RadioButton2", "ListView2",    "TabSheet2", "PopupMenu1",   "PopupMenu5",
          "TransTimer1",  "PasteTimer",   "DoorTimer"}) {
        const QList<QObject *> found = w->findChildren<QObject *>(QLatin1String(name));
        QVERIFY2(found.size() == 1, name);
    }
    QCOMPARE(w->findChild<QTimer *>("TransTimer1")->interval(), 250);
    QCOMPARE(w->findChild<QTimer *>("DoorTimer")->interval(), 20);
    QCOMPARE(w->findChild<QTimer *>("PasteTimer")->interval(), 250);
    QVERIFY(!w->TransTimer1->isActive());
}

void tst_Layout::controlBar()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->ControlBar1->height(), 80);
    QCOMPARE(w->Panel4->width(), 380);
    QCOMPARE(w->Panel5->width(), 215);
    QCOMPARE(w->ComboBox2->width(), 65);
    QCOMPARE(w->Shape1->size(), QSize(28, 28));
    QCOMPARE(w->TransSpBtn->size(), QSize(52, 70));
    QCOMPARE(w->Label3->text(), QStringLiteral("転送モード："));
    QVERIFY(w->Edit2->isReadOnly());
    QCOMPARE(w->CheckBox2->toolTip(), QStringLiteral("自動貼り付け指定"));
    QCOMPARE(w->CheckBox3->toolTip(), QStringLiteral("画面拡大時に単語リストが伸びるようにする"));
    QCOMPARE(w->findChild<QLabel *>("Label4")->text(), QStringLiteral("下伸び"));
    // Panel6 takes the rest of the bar, whatever the window's width.
    const int before = w->Panel6->width();
    w->resize(w->width() + 200, w->height());
    QTRY_COMPARE(w->Panel6->width(), before + 200);

    QStringList sizes;
    for (int i = 0; i < w->ComboBox2->count(); ++i)
        sizes.append(w->ComboBox2->itemText(i));
    QCOMPARE(sizes.first(), QStringLiteral("9"));
    QCOMPARE(sizes.last(), QStringLiteral("60"));
    QCOMPARE(sizes.size(), 52);
    QVERIFY(w->ComboBox2->isEditable());
    QVERIFY(!w->ComboBox1->isEditable());
    QCOMPARE(w->ComboBox1->maxVisibleItems(), 20);
    QCOMPARE(w->ComboBox2->maxVisibleItems(), 20);

    QStringList languages;
    for (int i = 0; i < w->ComboBox3->count(); ++i)
        languages.append(w->ComboBox3->itemText(i));
    QCOMPARE(languages, (QStringList{"欧　文", "英　語", "フランス語", "ドイツ語", "スペイン語",
                                     "イタリア語", "ﾎﾟﾙﾄｶﾞﾙ語"}));
    QStringList fonts;
    w->ComboBox1->fillFamilies();
    for (int i = 0; i < w->ComboBox1->count(); ++i)
        fonts.append(w->ComboBox1->itemText(i));
    QVERIFY(!fonts.isEmpty());
    for (const QString &name : fonts)
        QVERIFY(!name.startsWith(u'@') && !name.startsWith(u'$'));
    QStringList sorted = fonts;
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(fonts, sorted);
    QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("Times New Roman"));
}

void tst_Layout::tabsAndCaptions()
{
    MainFrmFixture f;
    auto w = f.create();
    QStringList right, lower;
    for (int i = 0; i < w->PageControl2->count(); ++i)
        right.append(w->PageControl2->tabText(i));
    for (int i = 0; i < w->PageControl1->count(); ++i)
        lower.append(w->PageControl1->tabText(i));
    QCOMPARE(right, (QStringList{"候補入力", "ACボタン", "発音記号", "単語帳検索"}));
    QCOMPARE(lower, (QStringList{"単語リスト", "記号奥の手"}));
    QCOMPARE(w->PageControl2->widget(3), w->TabSheet2);
    QCOMPARE(w->PageControl1->currentIndex(), 0);
    QCOMPARE(w->PageControl2->currentIndex(), 0);
    QCOMPARE(w->Edit1->placeholderText(), QStringLiteral("< 発音記号 >"));
    QCOMPARE(w->NewSpBtn->text(), QStringLiteral("新規作成"));
    QCOMPARE(w->DicSpBtn->text(), QStringLiteral("辞書"));
    QVERIFY(w->DicSpBtn->isCheckable());
    QCOMPARE(w->ChangeBtn->text(), QStringLiteral("変更"));
    QCOMPARE(w->SpeedButton2->text(), QStringLiteral("→"));
    QVERIFY(!w->Memo1->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!w->Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(w->Edit1->palette().color(QPalette::Base), QColor(250, 255, 230));
    QCOMPARE(w->Memo1->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(w->Memo1->font().pointSize(), 20);
    QCOMPARE(w->Edit1->font().pointSize(), 16);
}

void tst_Layout::statusBarAtStart()
{
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->statusPanelText(1),
             QStringLiteral("●単語帳フォルダ：") + f.folders.documentsFolder("bookA"));
    QCOMPARE(w->statusPanelText(0), QString());
    auto *panel0 = w->StatusBar1->findChild<QLabel *>("StatusPanel0");
    auto *panel1 = w->StatusBar1->findChild<QLabel *>("StatusPanel1");
    QCOMPARE(panel0->width(), 250);
    QCOMPARE(panel1->width(), 480);
    QCOMPARE(panel1->font().pointSize(), 11);
}

void tst_Layout::statusTitleShortenedOnlyWhenLong_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short") << "ヨーロッパのあいさつ" << true;
    QTest::newRow("latin") << "Europe greetings" << true;
    QTest::newRow("long") << "フランス語の挨拶と旅行の表現、そしてレストランで使う言葉" << false;
}

void tst_Layout::statusTitleShortenedOnlyWhenLong()
{
    QFETCH(QString, title);
    QFETCH(bool, whole);
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto *panel0 = w->StatusBar1->findChild<QLabel *>("StatusPanel0");
    const QString text = QStringLiteral("●タイトル：「") + title + QStringLiteral("」");
    w->setStatusPanelText(0, text);
    QCOMPARE(w->statusPanelText(0), text);
    QCOMPARE(panel0->toolTip(), text);
    if (whole) {
        QCOMPARE(panel0->text(), text);
        return;
    }
    const QString shown = panel0->text();
    QVERIFY(shown.startsWith(QStringLiteral("●タイトル：「")) && shown.endsWith(u'」'));
    QVERIFY(shown.contains(u'…'));
    QVERIFY(shown.contains(title.left(2)) && shown.contains(title.right(2))); // the middle went
    QVERIFY(panel0->fontMetrics().horizontalAdvance(shown) <= panel0->contentsRect().width());
}

void tst_Layout::placementWithoutSettings()
{
    MainFrmFixture f;
    auto w = f.create();
    QCOMPARE(w->size(), QSize(900, 690));
    QCOMPARE(w->windowTitle(), QStringLiteral("VelmorUC"));
}

void tst_Layout::placementFromSettings()
{
    MainFrmFixture f;
    // Within the test screen (800 wide): larger sizes are brought within it.
    f.writeSettings({"MainFrmLeft,10", "MainFrmTop,20", "MainFrmWidth,780", "MainFrmHeight,560"});
    auto w = f.create();
    QCOMPARE(w->pos(), QPoint(10, 20));
    QCOMPARE(w->size(), QSize(780, 560));
}

void tst_Layout::wordListStretchesByDefault()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(w->CheckBox3->isChecked());
    QTRY_COMPARE(w->PanelA->height(), 220);
    const int under = w->PageControl1->height();
    w->resize(w->width(), w->height() + 150);
    QTRY_COMPARE(w->PageControl1->height(), under + 150);
    QCOMPARE(w->PanelA->height(), 220);
}

void tst_Layout::padAreaStretchesWhenSet()
{
    MainFrmFixture f;
    f.writeSettings({"MidStretchFlg,1", "UnderHeight,250"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(!w->CheckBox3->isChecked());
    QTRY_COMPARE(w->PageControl1->height(), 250);
    const int upper = w->PanelA->height();
    w->resize(w->width(), w->height() + 100);
    QTRY_COMPARE(w->PanelA->height(), upper + 100);
    QCOMPARE(w->PageControl1->height(), 250);
}

void tst_Layout::layoutSwitchAtRunTime()
{
    MainFrmFixture f;
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_COMPARE(w->PanelA->height(), 220);
    w->CheckBox3->click(); // unchecked: the pad area stretches now
    QVERIFY(w->settings().MidStretchFlg);
    const int under = w->PageControl1->height();
    w->resize(w->width(), w->height() + 120);
    QTRY_COMPARE(w->PanelA->height(), 220 + 120);
    QCOMPARE(w->PageControl1->height(), under);
    w->CheckBox3->click();
    QVERIFY(!w->settings().MidStretchFlg);
    w->resize(w->width(), w->height() + 50);
    QTRY_COMPARE(w->PageControl1->height(), under + 50);
}

void tst_Layout::fontPanelNeverNarrowerThan160()
{
    MainFrmFixture f;
    f.writeSettings({"FontPanelWidth,90"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY(w->Panel10->width() >= 160);
    w->Splitter4->setSizes({40, 400});
    QVERIFY(w->Panel10->width() >= 160);
    w->RefreshSettingsFromWindow();
    QVERIFY(w->settings().FontPanelWidth >= 160);
}

void tst_Layout::wordListSurvivesStretchSwitchWhenLarge()
{
    MainFrmFixture f;
    f.writeSettings({"MidStretchFlg,1"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QSize normal = w->size();
    w->resize(normal.width() + 300, normal.height() + 500); // as maximised
    QTRY_VERIFY(w->PanelA->height() > 400);
    w->CheckBox3->click(); // 下伸び: the pad area keeps its large height
    w->resize(normal);     // restored
    const int total = w->Splitter1->sizes().value(0) + w->Splitter1->sizes().value(1);
    QTRY_VERIFY2(w->PageControl1->height() >= total / 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(w->PageControl1->height()).arg(total)));
}

void tst_Layout::sizesFromTheFileFitTheScreen()
{
    MainFrmFixture f;
    f.writeSettings({"PADWidth,99999", "PanelAHeight,5000", "LV1Col2Width,-30",
                     "UsrMainFontSize,99999", "MainFrmLeft,0", "MainFrmTop,0",
                     "MainFrmWidth,99999", "MainFrmHeight,99999"});
    auto w = f.create();
    const QRect screen = w->screen()->availableGeometry();
    QVERIFY(w->width() <= screen.width() && w->height() <= screen.height());
    QVERIFY(w->ListView1->columnWidth(1) > 0);
    QVERIFY(w->Memo1->font().pointSize() < 99999);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTRY_VERIFY(w->PageControl1->height() >= w->PageControl1->minimumHeight());
    QVERIFY(w->PageControl2->width() < w->Splitter2->width());
    w->close();
    const QStringList saved = ReadTextFile(f.settingsPath(), TextFileKind::Ansi).lines;
    for (const char *key : {"PADWidth", "PanelAHeight", "LV1Col2Width", "UsrMainFontSize"}) {
        const QString prefix = QLatin1String(key) + u',';
        for (const QString &line : saved) {
            if (!line.startsWith(prefix))
                continue;
            const int value = line.mid(prefix.size()).toInt();
            QVERIFY2(value > 0 && value <= qMax(screen.width(), screen.height()), qPrintable(line));
        }
    }

    // A size typed into the size box is brought within the screen too.
    auto again = f.create();
    again->ComboBox2->setCurrentText(QStringLiteral("99999"));
    QVERIFY(again->settings().UsrMainFontSize < screen.height());
    QCOMPARE(again->Memo1->font().pointSize(), again->settings().UsrMainFontSize);
}

void tst_Layout::settingsRefreshedOnClose()
{
    MainFrmFixture f;
    f.writeSettings({"FontPanelWidth,200", "PADWidth,400"});
    {
        auto w = f.create();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_COMPARE(w->Panel10->width(), 200);
        QTRY_COMPARE(w->PageControl2->width(), 400);
        const int total = w->Splitter1->sizes().value(0) + w->Splitter1->sizes().value(1);
        w->Splitter1->setSizes({260, total - 260});
        const int splitTotal = w->Splitter2->sizes().value(0) + w->Splitter2->sizes().value(1);
        w->Splitter2->setSizes({splitTotal - 420, 420});
        w->ListView1->setColumnWidth(2, 222);
        QCOMPARE(w->settings().PADWidth, 420); // kept by the resize handler
        w->close();
    }
    const TextReadResult read = ReadTextFile(f.settingsPath(), TextFileKind::Ansi);
    QVERIFY(read.ok);
    QCOMPARE(read.lines.size(), 62);
    QVERIFY(read.lines.contains("PanelAHeight,260"));
    QVERIFY(read.lines.contains("PADWidth,420"));
    QVERIFY(read.lines.contains("FontPanelWidth,200"));
    QVERIFY(read.lines.contains("LV1Col3Width,222"));
    QVERIFY(read.lines.contains("LV1Col1Width,150"));

    auto again = f.create();
    QCOMPARE(again->settings().PanelAHeight, 260);
    QCOMPARE(again->settings().PADWidth, 420);
    QCOMPARE(again->ListView1->columnWidth(2), 222);
}

void tst_Layout::noSaveFlagKeepsTheFile()
{
    MainFrmFixture f;
    auto w = f.create();
    w->setNoSaveFlg(true);
    w->close();
    QVERIFY(!QFile::exists(f.settingsPath()));
}

void tst_Layout::applySettings()
{
    MainFrmFixture f;
    f.writeSettings({"UpperUseFlg,0", "AutoPasteFlg,0", "AutoCloseFlg,0", "EiwaFlg,0",
                     "ImLi1Height,30", "UsrMainFont,\"DejaVu Sans\"", "UsrMainFontSize,33",
                     "PhonetColor,clYellow"});
    auto w = f.create();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QVERIFY(!w->Edit1->isVisible());
    QVERIFY(!w->CheckBox2->isChecked());
    QVERIFY(!w->CheckBox1->isChecked());
    QVERIFY(w->RadioButton2->isChecked());
    QCOMPARE(w->ListView1->verticalHeader()->defaultSectionSize(), 30);
    QCOMPARE(w->ComboBox1->currentText(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(w->ComboBox2->currentText(), QStringLiteral("33"));
    QCOMPARE(w->Memo1->font().pointSize(), 33);
    QCOMPARE(w->Edit1->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(w->ListView1->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("日本語"));
    QCOMPARE(QApplication::focusWidget(), w->Memo1);
}

void tst_Layout::mirroredSettings()
{
    MainFrmFixture f;
    auto w = f.create();
    w->CheckBox1->click();
    QVERIFY(!w->settings().AutoCloseFlg);
    w->CheckBox2->click();
    QVERIFY(!w->settings().AutoPasteFlg);
    w->RadioButton2->click();
    QVERIFY(!w->settings().EiwaFlg);
    auto caption = [&](int c) {
        return w->ListView1->model()->headerData(c, Qt::Horizontal).toString();
    };
    QCOMPARE(caption(0), QStringLiteral("日本語"));
    QCOMPARE(caption(4), QStringLiteral("欧　文"));
    w->RadioButton1->click();
    QVERIFY(w->settings().EiwaFlg);
    QCOMPARE(caption(0), QStringLiteral("欧　文"));
    QCOMPARE(caption(4), QStringLiteral("日本語"));
    QCOMPARE(caption(7), QStringLiteral("文字色"));
}

void tst_Layout::directionCaptions_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("backward");
    QTest::newRow("default") << "欧　文"
                             << "欧日"
                             << "日欧";
    QTest::newRow("english") << "英　語"
                             << "英和"
                             << "和英";
    QTest::newRow("portuguese") << "ﾎﾟﾙﾄｶﾞﾙ語"
                                << "葡和"
                                << "和葡";
    QTest::newRow("unknown") << "クリンゴン語"
                             << "欧日"
                             << "日欧";
}

void tst_Layout::directionCaptions()
{
    QFETCH(QString, language);
    QFETCH(QString, forward);
    QFETCH(QString, backward);
    MainFrmFixture f;
    f.writeSettings({QStringLiteral("SelectLang,\"%1\"").arg(language)});
    auto w = f.create();
    QCOMPARE(w->RadioButton1->text(), forward);
    QCOMPARE(w->RadioButton2->text(), backward);
    QVERIFY(w->RadioButton1->isChecked());
    if (language != QStringLiteral("クリンゴン語"))
        QCOMPARE(w->ComboBox3->currentText(), language);
    else
        QCOMPARE(w->ComboBox3->currentIndex(), 0);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
