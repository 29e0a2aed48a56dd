// The installed tables read back cleanly through the same code the program uses: no
// skipped line, every candidate named, no code twice. Skipped while a table is missing.
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include "hexcode.h"
#include "splitcommatext.h"
#include "symboldb.h"
#include "textfile.h"
#include "triggerkeyboard.h"
#include "triggertables.h"

namespace {

QString tableFolder()
{
    return QDir(qEnvironmentVariable("VELMOR_BUILD_DATA_DIR")).filePath("Tbl");
}

QString issueText(const TableIssues &issues)
{
    QStringList out;
    for (const TableIssue &i : issues)
        out.append(i.message);
    return out.join(u'\n');
}

} // namespace

class tst_InstalledTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void candidateSets_data();
    void candidateSets();
    void symbolDatabases_data();
    void symbolDatabases();
    void paletteLettersAreNamed_data();
    void paletteLettersAreNamed();
};

void tst_InstalledTables::candidateSets_data()
{
    QTest::addColumn<QString>("candidateFile");
    QTest::addColumn<QString>("symbolFile");
    QTest::addColumn<QString>("neverTriggers"); // keys that must type themselves
    QTest::addColumn<QString>("reachable");     // offered by some trigger
    // Beside the seven languages' own letters, those their words borrow: dictionary
    // macrons and breves, the letters of names, Dutch íj́ and the primes.
    QTest::newRow("letters")
        << "CandVelmor.csv"
        << "DBVelmor.csv"
        << "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,;!?'\"()-/"
        << QStringLiteral("åÅøØāĀăĂēĒĕĔīĪĭĬōŌŏŎūŪŭŬýÝğĞşŞİıćĆřŘšŠǔǓſ\u0301′″"
                          "éÉèÈêÊëËçÇñÑãÃõÕßẞœŒæÆĳĲ");
    QTest::newRow("phonetic") << "CandAll.csv"
                              << "DBPhonet.csv"
                              << "abcdefghijklmnopqrstuvwxyz"
                              << QStringLiteral("əɛɔʃʒŋθðʁɲ\u0303\u0329ˈˌː");
}

void tst_InstalledTables::candidateSets()
{
    QFETCH(QString, candidateFile);
    QFETCH(QString, symbolFile);
    QFETCH(QString, neverTriggers);
    QFETCH(QString, reachable);
    const QString folder = tableFolder();
    if (!QFileInfo::exists(TablePath(folder, candidateFile)) ||
        !QFileInfo::exists(TablePath(folder, symbolFile)))
        QSKIP("the installed tables are not in this build");

    const CandidateTablesLoad load = LoadCandidateTables(folder, candidateFile, symbolFile);
    QVERIFY2(load.issues.isEmpty(), qPrintable(issueText(load.issues)));

    // Every line is a well-formed trigger line written as the editor writes it.
    const TextReadResult read = ReadTextFile(TablePath(folder, candidateFile), TextFileKind::Table);
    QVERIFY(read.ok);
    QVERIFY(IsCandidateOrderFile(read.lines));
    QSet<char16_t> triggers;
    for (qsizetype i = 0; i < read.lines.size(); ++i) {
        const QStringList f = SplitCommaText(read.lines[i]);
        const QByteArray where = candidateFile.toUtf8() + " line " + QByteArray::number(i + 1);
        QVERIFY2(f.size() == 10 && !f[0].isEmpty(), where.constData());
        for (int n = 1; n < 10; ++n)
            QVERIFY2(f[n].isEmpty() || IsHexCode(f[n]), where.constData());
        const char16_t key = load.tables.table.entries[i].trigger();
        QVERIFY2(!triggers.contains(key), (where + ": trigger twice").constData());
        triggers.insert(key);
        QVERIFY2(!neverTriggers.contains(QChar(key)),
                 (where + ": this key must type itself").constData());
    }

    // Every candidate has its row in the symbol database.
    const QList<char16_t> candidates = DistinctCandidates(load.tables.table);
    QCOMPARE(load.tables.names.size(), candidates.size());
    for (const TUnicodeDB &record : load.tables.names)
        QVERIFY2(record.code != 0, "a candidate without its row in the symbol database");
    for (char16_t c : candidates) {
        QVERIFY2(!SymbolNameOf(load.tables.names, c, SymbolNameKind::English).isEmpty(),
                 qPrintable(CodeText(c)));
        QVERIFY2(!SymbolNameOf(load.tables.names, c, SymbolNameKind::Japanese).isEmpty(),
                 qPrintable(CodeText(c)));
    }

    for (QChar c : std::as_const(reachable))
        QVERIFY2(candidates.contains(c.unicode()),
                 qPrintable(QStringLiteral("no trigger offers ") + CodeText(c.unicode())));

    // The letter triggers are keys of the trigger keyboard, so the page shows them all.
    if (candidateFile == u"CandVelmor.csv") {
        QSet<char16_t> onKeyboard;
        for (int k = 1; k < TriggerKeyCount; ++k) {
            onKeyboard.insert(TriggerKeyUnshifted(k));
            onKeyboard.insert(TriggerKeyShifted(k));
        }
        for (char16_t key : triggers)
            QVERIFY2(onKeyboard.contains(key), qPrintable(CodeText(key)));
    }
}

void tst_InstalledTables::symbolDatabases_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name :
         {"DBVelmor.csv", "DBPhonet.csv", "DBEnglish.csv", "DBFrench.csv", "DBGerman.csv",
          "DBSpanish.csv", "DBItalian.csv", "DBPortuguese.csv", "DBDutch.csv"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_InstalledTables::symbolDatabases()
{
    QFETCH(QString, file);
    const QString path = TablePath(tableFolder(), file);
    if (!QFileInfo::exists(path))
        QSKIP("the installed tables are not in this build");
    TableIssues issues;
    const SymbolDatabase db = LoadSymbolDatabase(path, &issues);
    QVERIFY2(issues.isEmpty(), qPrintable(issueText(issues)));
    QVERIFY(!db.records.isEmpty());
    // The editor relies on groups numbered 0, 1, 2, … in file order.
    for (qsizetype g = 0; g < db.groups.size(); ++g)
        QCOMPARE(db.groups[g].number, qint32(g));
    QSet<QString> codes;
    for (const SymbolRecord &r : db.records) {
        QVERIFY2(IsHexCode(r.code), qPrintable(r.code));
        QVERIFY2(!codes.contains(r.code), qPrintable("twice: " + r.code));
        codes.insert(r.code);
        QVERIFY2(r.groupNumber >= 0 && r.groupNumber < db.groups.size(), qPrintable(r.code));
        QVERIFY2(r.aux == u"0" || r.aux == u"1" || r.aux == u"2", qPrintable(r.code));
        QVERIFY2(!r.englishName.isEmpty(), qPrintable(r.code));
    }
    // What the program would save is what is installed (apart from the encoding).
    QCOMPARE(ParseSymbolDatabase(SymbolDatabaseLines(db)), db);
}

void tst_InstalledTables::paletteLettersAreNamed_data()
{
    // The letters of the palette's language sets, beyond A-Z and a-z: every one needs
    // the row that gives its cell a corner label and a Japanese name.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("letters");
    QTest::newRow("English") << "DBEnglish.csv" << "#$@`+*[]\"'~1234567890,.;:()!?/%&<>=-{}|_\\";
    QTest::newRow("French") << "DBFrench.csv" << "ÉÀÈÙÂÊÎÔÛËÏÜŒÆÇçéàèùâêîôûëïüœæ";
    QTest::newRow("German") << "DBGerman.csv" << "ÄÖÜäöüß";
    QTest::newRow("Spanish") << "DBSpanish.csv" << "ÑÁÉÍÓÚÜñáéíóúü";
    QTest::newRow("Italian") << "DBItalian.csv" << "ÀÈÒÉÍÓÚÂÊÎÔÛàèòéíóúâêîôû";
    QTest::newRow("Portuguese") << "DBPortuguese.csv" << "ÁÉÍÓÚÂÊÔÃÕÀÜÇáéíóúâêôãõàüç";
    QTest::newRow("Dutch") << "DBDutch.csv" << "ĲÄËÏÖÜÁÉÍÓÚÈĳäëïöüáéíóúè";
}

void tst_InstalledTables::paletteLettersAreNamed()
{
    QFETCH(QString, file);
    QFETCH(QString, letters);
    const QString path = TablePath(tableFolder(), file);
    if (!QFileInfo::exists(path))
        QSKIP("the installed tables are not in this build");
    const TextReadResult read = ReadTextFile(path, TextFileKind::Table);
    QVERIFY(read.ok);
    QString all = letters;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        all += QString(QChar(c)) + QChar(char16_t(c + 0x20));
    for (QChar c : std::as_const(all)) {
        SymbolNames names;
        QVERIFY2(FindSymbolByCode(read.lines, c.unicode(), &names),
                 qPrintable(QString(c) + " " + CodeText(c.unicode())));
        QVERIFY2(!names.japaneseName.isEmpty(), qPrintable(QString(c)));
        QVERIFY2(!names.englishName.isEmpty(), qPrintable(QString(c)));
    }
}

QTEST_APPLESS_MAIN(tst_InstalledTables)
#include "tst_installedtables.moc"
