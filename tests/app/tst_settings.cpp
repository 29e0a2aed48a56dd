#include "settings.h"

#include "textfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(WindowRect)

class tst_Settings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startValues();
    void onlyTransMode();
    void singleLines_data();
    void singleLines();
    void windowRectangle_data();
    void windowRectangle();
    void colours_data();
    void colours();
    void badColourKeepsStartAndReadsTheRest();
    void saveWritesSixtyTwoLines();
    void saveIsExactForStartValues();
    void saveAndLoadRoundTrip();
    void namesWithQuotesAndBreaksSurvive();
    void junkFilesNeverCrash();
    void manyLinesLastWins();
    void settingInt_data();
    void settingInt();
    void imeNamesRoundTrip_data();
    void imeNamesRoundTrip();
    void sideFile();
    void sizesClampedToTheScreen_data();
    void sizesClampedToTheScreen();

private:
    static Settings loaded(const QStringList &lines)
    {
        Settings s;
        LoadSettings(lines, s);
        return s;
    }
};

void tst_Settings::startValues()
{
    const Settings s;
    QCOMPARE(s.SelectLang, QString("欧　文"));
    QCOMPARE(s.UsrJpFont, QString("ＭＳ Ｐゴシック"));
    QCOMPARE(s.FontPanelWidth, 180);
    QCOMPARE(s.PhonetColor, 0x00E6FFFAu);
    QCOMPARE(s.MainFrm, WindowRect{});
    QVERIFY(!s.MainFrm.isSet());
}

void tst_Settings::onlyTransMode()
{
    Settings expected;
    expected.TransMode = 12;
    expected.FontPanelWidth = 160; // absent from an existing file
    QCOMPARE(loaded({"TransMode,12"}), expected);
}

void tst_Settings::singleLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("empty quoted name keeps") << "SelectLang,\"\"" << "SelectLang" << "欧　文";
    QTest::newRow("name taken") << "SelectLang,\"英　語\"" << "SelectLang" << "英　語";
    QTest::newRow("unquoted name with blanks ignored")
        << "UsrMainFont,Times New Roman" << "UsrMainFont" << "Times New Roman";
    QTest::newRow("unquoted name without blanks") << "UsrMainFont,Garamond" << "UsrMainFont"
                                                  << "Garamond";
    QTest::newRow("bool yes is 0") << "AutoPasteFlg,yes" << "AutoPasteFlg" << "0";
    QTest::newRow("bool empty keeps") << "AutoPasteFlg," << "AutoPasteFlg" << "1";
    QTest::newRow("bool 1") << "ResetInputFlg,1" << "ResetInputFlg" << "1";
    QTest::newRow("bool 01 is 0") << "AutoPasteFlg,01" << "AutoPasteFlg" << "0";
    QTest::newRow("key case matters") << "autopasteflg,0" << "AutoPasteFlg" << "1";
    QTest::newRow("three fields ignored") << "AutoPasteFlg,0,0" << "AutoPasteFlg" << "1";
    QTest::newRow("int junk gives absent") << "PasteTimerInterval,fast" << "PasteTimerInterval"
                                           << "250";
    QTest::newRow("int negative") << "TransMode,-3" << "TransMode" << "-3";
    QTest::newRow("int hex") << "PADWidth,$100" << "PADWidth" << "256";
    QTest::newRow("int overflow is junk") << "PADWidth,99999999999" << "PADWidth" << "378";
    QTest::newRow("font panel junk") << "FontPanelWidth,x" << "FontPanelWidth" << "160";
    QTest::newRow("text always taken") << "CusJpImeStr,mozc-jp" << "CusJpImeStr" << "mozc-jp";
    QTest::newRow("text absent empties") << "Other,1" << "CusJpImeStr" << "";
    QTest::newRow("blanks around") << "  GADR , 70 " << "GADR" << "70";
    QTest::newRow("font foundry dropped") << "UsrSubFont,\"Nimbus Roman [urw]\"" << "UsrSubFont"
                                          << "Nimbus Roman";
    QTest::newRow("font foundry dropped, Japanese")
        << "UsrJpFont,\"IPAGothic [IPA ]\"" << "UsrJpFont" << "IPAGothic";
    QTest::newRow("font bracket only keeps") << "UsrMainFont,\"[x]\"" << "UsrMainFont"
                                             << "Times New Roman";
    QTest::newRow("font bracket inside kept") << "UsrMainFont,\"A [b] C\"" << "UsrMainFont"
                                              << "A [b] C";
}

static QString valueOf(const Settings &s, const QString &key)
{
    for (const QString &line : SettingsLines(s)) {
        if (line.startsWith(key + ',')) {
            QString v = line.mid(key.size() + 1);
            if (v.startsWith('"'))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return "?";
}

void tst_Settings::singleLines()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(valueOf(loaded({line}), key), value);
}

void tst_Settings::windowRectangle_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<WindowRect>("rect");
    QTest::newRow("all") << QStringList{"MainFrmLeft,10", "MainFrmTop,20", "MainFrmWidth,800",
                                        "MainFrmHeight,600"}
                         << WindowRect{10, 20, 810, 620};
    QTest::newRow("width missing") << QStringList{"MainFrmLeft,10", "MainFrmTop,20",
                                                  "MainFrmHeight,600"}
                                   << WindowRect{10, 20, -100, 620};
    QTest::newRow("width junk") << QStringList{"MainFrmLeft,10", "MainFrmTop,20",
                                               "MainFrmWidth,wide", "MainFrmHeight,600"}
                                << WindowRect{10, 20, -100, 620};
    QTest::newRow("left unset") << QStringList{"MainFrmLeft,-100", "MainFrmTop,20",
                                               "MainFrmWidth,800", "MainFrmHeight,600"}
                                << WindowRect{-100, 20, -100, 620};
    QTest::newRow("nothing") << QStringList{} << WindowRect{};
    QTest::newRow("right beyond int") << QStringList{"MainFrmLeft,2147483000", "MainFrmTop,20",
                                                     "MainFrmWidth,2147483000",
                                                     "MainFrmHeight,600"}
                                      << WindowRect{2147483000, 20, -100, 620};
    QTest::newRow("bottom below int") << QStringList{"MainFrmLeft,10", "MainFrmTop,-2147483000",
                                                     "MainFrmWidth,800",
                                                     "MainFrmHeight,-2147483000"}
                                      << WindowRect{10, -2147483000, 810, -100};
}

void tst_Settings::windowRectangle()
{
    QFETCH(QStringList, lines);
    QFETCH(WindowRect, rect);
    QCOMPARE(loaded(lines).MainFrm, rect);
}

void tst_Settings::colours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<quint32>("value");
    QTest::newRow("name") << "clYellow" << true << 0x00FFFFu;
    QTest::newRow("name any case") << "CLSKYBLUE" << true << 0xF0CAA6u;
    QTest::newRow("money green") << "clMoneyGreen" << true << 0xC0DCC0u;
    QTest::newRow("hex") << "$00E6FFFA" << true << 0xE6FFFAu;
    QTest::newRow("decimal") << "255" << true << 255u;
    QTest::newRow("unknown name") << "clMauve" << false << 0u;
    QTest::newRow("beyond 24 bits") << "$FF000000" << false << 0u;
    QTest::newRow("negative") << "-1" << false << 0u;
    QTest::newRow("lone dollar") << "$" << false << 0u;
}

void tst_Settings::colours()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(quint32, value);
    quint32 colour = 0;
    QCOMPARE(ColourFromSettingText(text, &colour), ok);
    if (ok) {
        QCOMPARE(colour, value);
        quint32 back = 0;
        QVERIFY(ColourFromSettingText(ColourToSettingText(colour), &back));
        QCOMPARE(back, colour);
    }
}

void tst_Settings::badColourKeepsStartAndReadsTheRest()
{
    const Settings s = loaded({"CandColor,clMauve", "BandColor,clRed", "NoSampleFlg,1"});
    QCOMPARE(s.CandColor, Colour::clYellow);
    QCOMPARE(s.BandColor, 0x0000FFu);
    QVERIFY(s.NoSampleFlg);
}

void tst_Settings::saveWritesSixtyTwoLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmorUC.rng");
    Settings s;
    s.MainFrm = {100, 50, 1000, 740};
    QVERIFY(SaveSettings(path, s).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 62);
    QVERIFY(bytes.endsWith("NoSampleFlg,0\r\n"));
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count('\n'), 62);
    const QStringList lines = ReadTextFile(path, TextFileKind::Ansi).lines;
    QCOMPARE(lines.size(), 62);
    QCOMPARE(lines.mid(1, 4), (QStringList{"MainFrmLeft,100", "MainFrmTop,50",
                                           "MainFrmWidth,900", "MainFrmHeight,690"}));
}

void tst_Settings::saveIsExactForStartValues()
{
    Settings s;
    s.MainFrm = {0, 0, 900, 690};
    const QString expected =
        "SelectLang,\"欧　文\"\r\nMainFrmLeft,0\r\nMainFrmTop,0\r\nMainFrmWidth,900\r\n"
        "MainFrmHeight,690\r\nTransMode,0\r\nCusGaImeStr,\r\nCusJpImeStr,\r\n"
        "UsrMainFont,\"Times New Roman\"\r\nUsrSubFont,\"Segoe UI\"\r\n"
        "UsrJpFont,\"ＭＳ Ｐゴシック\"\r\nUsrMainFontSize,20\r\nUsrSubFontSize,16\r\n"
        "ImLi1Height,42\r\nPADWidth,378\r\nPanelAHeight,220\r\nUnderHeight,290\r\n"
        "FontPanelWidth,180\r\nLV1Col1Width,150\r\nLV1Col2Width,50\r\nLV1Col3Width,150\r\n"
        "LV1Col4Width,150\r\nLV1Col5Width,150\r\nLV1Col6Width,150\r\nLV1Col7Width,100\r\n"
        "PasteTimerInterval,250\r\nGADR,57\r\nIPADR,60\r\nJPDR,46\r\n"
        "PhUDBFile,\"DBPhonet.csv\"\r\nPhCandFile,\"CandAll.csv\"\r\n"
        "PhonetColor,$00E6FFFA\r\nCandColor,clYellow\r\nBandColor,clGray\r\n"
        "ImageColor1,$00CBC0FF\r\nImageColor1U,$00FF9BFF\r\nImageColor1C,clBlack\r\n"
        "ImageColor1T,$0000A200\r\nImageColor2,$00ECBB60\r\nLastGroup,\"\"\r\n"
        "EiwaFlg,1\r\nAutoPasteFlg,1\r\nResetInputFlg,0\r\nUpperUseFlg,1\r\nRegCopyFlg,1\r\n"
        "RegClearFlg,1\r\nAutoCloseFlg,1\r\nMidStretchFlg,0\r\nAllClearFlg,0\r\n"
        "AllClearFlg2,1\r\nPhTriRevFlg,0\r\nPhOneInpFlg,0\r\nGaOneInpFlg,0\r\nGaTriRevFlg,1\r\n"
        "SysTblFlg,0\r\nWordWrapFlg,0\r\nScroBarsFlg,0\r\nLastVisibleFlg,0\r\nNoResFlg,0\r\n"
        "MediaPlayerFlg,1\r\nTblOWFlg,1\r\nNoSampleFlg,0\r\n";
    TextEncoding used;
    QCOMPARE(EncodeAnsiLines(SettingsLines(s), &used), EncodeAnsi(expected));
    QCOMPARE(used, TextEncoding::Ansi);
}

void tst_Settings::saveAndLoadRoundTrip()
{
    Settings s;
    s.SelectLang = "ﾎﾟﾙﾄｶﾞﾙ語";
    s.MainFrm = {-20, 30, 1180, 930};
    s.TransMode = 13;
    s.CusJpImeStr = "xkb:jp::jpn";
    s.UsrMainFont = "Charis SIL";
    s.LV1Col7Width = 77;
    s.PhonetColor = 0x123456;
    s.CandColor = 0xFFFFFF;
    s.LastGroup = "旅行";
    s.EiwaFlg = false;
    s.NoSampleFlg = true;
    s.FontPanelWidth = 200;
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmorUC.rng");
    QVERIFY(SaveSettings(path, s).ok);
    Settings back;
    QString error;
    QVERIFY(LoadSettingsFile(path, back, &error));
    QCOMPARE(back, s);
}

void tst_Settings::namesWithQuotesAndBreaksSurvive()
{
    Settings s;
    s.MainFrm = {0, 0, 900, 690};
    s.LastGroup = "say \"hi\"";
    s.UsrSubFont = "Doulos\r\nSIL";
    s.SelectLang = "Café"; // not in code page 932: the file becomes UTF-8
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmorUC.rng");
    QVERIFY(SaveSettings(path, s).ok);
    Settings back;
    QVERIFY(LoadSettingsFile(path, back, nullptr));
    QCOMPARE(back.LastGroup, s.LastGroup);
    QCOMPARE(back.UsrSubFont, QString("Doulos SIL"));
    QCOMPARE(back.SelectLang, QString("Café"));
    QCOMPARE(back.NoSampleFlg, false);
}

void tst_Settings::junkFilesNeverCrash()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmorUC.rng");
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    QRandomGenerator rng(42);
    for (char &c : junk)
        c = char(rng.bounded(256));
    junk.append("\r\nTransMode,3\r\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(junk);
    file.close();
    Settings s;
    QVERIFY(LoadSettingsFile(path, s, nullptr));
    QCOMPARE(s.TransMode, 3);
    QCOMPARE(s.UsrMainFont, QString("Times New Roman"));
}

void tst_Settings::manyLinesLastWins()
{
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines.append(QString("PasteTimerInterval,%1").arg(i));
    lines.append("PasteTimerInterval,100");
    lines.append("PasteTimerInterval,300");
    lines.append("PasteTimerInterval,300,");
    QCOMPARE(loaded(lines).PasteTimerInterval, 300);
}

void tst_Settings::settingInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "120" << true << 120;
    QTest::newRow("minus") << "-100" << true << -100;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("int max") << "2147483647" << true << 2147483647;
    QTest::newRow("int min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("above int") << "2147483648" << false << 0;
    QTest::newRow("hex") << "$1F" << true << 31;
    QTest::newRow("hex lower") << "$ff" << true << 255;
    QTest::newRow("hex all bits") << "$FFFFFFFF" << true << -1;
    QTest::newRow("hex too big") << "$100000000" << false << 0;
    QTest::newRow("hex blank then sign") << "$ -1" << false << 0;
    QTest::newRow("hex 0x") << "$0x10" << false << 0;
    QTest::newRow("hex signed") << "$-1" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("two signs") << "--1" << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("leading blank") << " 12" << false << 0;
    QTest::newRow("trailing blank") << "12 " << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("full-width digits") << "１２" << false << 0;
    QTest::newRow("hex without dollar") << "1F" << false << 0;
}

void tst_Settings::settingInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    int got = 12345;
    QCOMPARE(ParseSettingInt(text, &got), valid);
    QCOMPARE(got, valid ? value : 12345);
}

void tst_Settings::imeNamesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "mozc-jp";
    QTest::newRow("blank") << "xkb jp";
    QTest::newRow("comma") << "a,b";
    QTest::newRow("quote") << "say \"x\"";
    QTest::newRow("only quote") << "\"";
    QTest::newRow("leading blank") << " anthy";
    QTest::newRow("japanese") << "日本語 入力";
}

void tst_Settings::imeNamesRoundTrip()
{
    QFETCH(QString, name);
    Settings s;
    s.CusGaImeStr = name;
    s.CusJpImeStr = name + u',';
    Settings back;
    LoadSettings(SplitTextLines(DecodeText(EncodeAnsiLines(SettingsLines(s)), TextFileKind::Ansi)),
                 back);
    QCOMPARE(back.CusGaImeStr, s.CusGaImeStr);
    QCOMPARE(back.CusJpImeStr, s.CusJpImeStr);
}

void tst_Settings::sideFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("VelmorUC.ini");
    Settings s;
    LoadSideSettings(path, s); // no file: start values
    QCOMPARE(s, Settings());
    s.RestoreClipboardFlg = true;
    s.CandTextColor = 0x00123456;
    QVERIFY(SaveSideSettings(path, s).ok);
    Settings back;
    LoadSideSettings(path, back);
    QCOMPARE(back, s);
    // A hand-edited file: what cannot be read keeps its value.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Transfer]\nRestoreClipboardFlg=yes\n[Colours]\nBandTextColor=clRed\n"
               "CandTextColor=$nothex\n\x01\xff[[\n");
    file.close();
    Settings edited;
    LoadSideSettings(path, edited);
    QVERIFY(!edited.RestoreClipboardFlg);
    QCOMPARE(edited.BandTextColor, 0x0000FFu);
    QCOMPARE(edited.CandTextColor, Colour::clBlack);
    // A file that cannot be written (its folder is a file) is reported with its name.
    QVERIFY(SaveSideSettings(dir.filePath("plain"), s).ok);
    const WriteResult failed = SaveSideSettings(dir.filePath("plain/VelmorUC.ini"), s);
    QVERIFY(!failed.ok);
    QVERIFY2(failed.errorMessage.contains(QStringLiteral("VelmorUC.ini")),
             qPrintable(failed.errorMessage));
}

void tst_Settings::sizesClampedToTheScreen_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    // A 1280 x 1024 screen at 96 dots per inch.
    QTest::newRow("pad width") << "PADWidth,99999" << "PADWidth" << "980";
    QTest::newRow("pad width small") << "PADWidth,10" << "PADWidth" << "350";
    QTest::newRow("panel height") << "PanelAHeight,5000" << "PanelAHeight" << "824";
    QTest::newRow("under height negative") << "UnderHeight,-5" << "UnderHeight" << "120";
    QTest::newRow("negative column") << "LV1Col3Width,-40" << "LV1Col3Width" << "20";
    QTest::newRow("wide column") << "LV1Col1Width,99999" << "LV1Col1Width" << "1280";
    QTest::newRow("row height") << "ImLi1Height,99999" << "ImLi1Height" << "256";
    QTest::newRow("font size") << "UsrMainFontSize,99999" << "UsrMainFontSize" << "192";
    QTest::newRow("sub font size") << "UsrSubFontSize,0" << "UsrSubFontSize" << "1";
    QTest::newRow("in range kept") << "PADWidth,420" << "PADWidth" << "420";
    QTest::newRow("window width") << "MainFrmWidth,99999" << "MainFrmWidth" << "1280";
}

void tst_Settings::sizesClampedToTheScreen()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, value);
    Settings s = loaded({"MainFrmLeft,0", "MainFrmTop,0", "MainFrmWidth,900",
                         "MainFrmHeight,690", line});
    ClampSettingsToScreen(s, 1280, 1024, 96);
    QCOMPARE(valueOf(s, key), value);
}

QTEST_APPLESS_MAIN(tst_Settings)
#include "tst_settings.moc"
