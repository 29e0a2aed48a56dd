#include <QDir>
#include <QTest>

#include "symboldb.h"
#include "symbolsearch.h"

namespace {

QString codes(const QList<SymbolNameHit> &hits)
{
    QStringList s;
    for (const SymbolNameHit &h : hits)
        s.append(QString::number(h.code, 16).toUpper());
    return s.join(u' ');
}

} // namespace

class tst_SymbolSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void find_data();
    void find();
    void hitNames();
    void limitAndOrder();
    void databaseOnly();

private:
    SymbolNameIndex m_index;
};

void tst_SymbolSearch::initTestCase()
{
    m_index.addUnicodeNames();
    const QDir tables(QDir(qEnvironmentVariable("VELMOR_BUILD_DATA_DIR")).filePath("Tbl"));
    const QStringList files = tables.entryList({QStringLiteral("DB*.csv")}, QDir::Files);
    QCOMPARE(files.size(), 9);
    for (const QString &f : files)
        m_index.addDatabase(LoadSymbolDatabase(tables.filePath(f)));
}

void tst_SymbolSearch::find_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("contains"); // code that must be among the hits
    QTest::addColumn<QString>("absent");   // code that must not
    QTest::newRow("eng finds ŋ") << "eng" << "14B" << "";
    QTest::newRow("eng finds Ŋ too") << "eng" << "14A" << "";
    QTest::newRow("word start: cute is not in ACUTE") << "small cute" << "" << "E9";
    QTest::newRow("case ignored") << "SCHWA" << "259" << "";
    QTest::newRow("Japanese name") << "アキュート" << "E9" << "";
    QTest::newRow("full-width query") << "ＳＣＨＷＡ" << "259" << "";
    QTest::newRow("all words must match") << "small e acute" << "E9" << "E1";
    QTest::newRow("order of words free") << "acute small e" << "E9" << "C9";
    QTest::newRow("tilde") << "tilde" << "F1" << "";
    QTest::newRow("combining mark") << "combining tilde" << "303" << "";
    QTest::newRow("algorithmic names") << "cjk unified ideograph-4e00" << "4E00" << "";
    QTest::newRow("no control characters") << "null" << "2400" << "0";
}

void tst_SymbolSearch::find()
{
    QFETCH(QString, query);
    QFETCH(QString, contains);
    QFETCH(QString, absent);
    const QStringList hits = codes(m_index.find(query)).split(u' ');
    if (!contains.isEmpty())
        QVERIFY2(hits.contains(contains), qPrintable(hits.join(u' ')));
    if (!absent.isEmpty())
        QVERIFY(!hits.contains(absent));
}

void tst_SymbolSearch::hitNames()
{
    const QList<SymbolNameHit> hits = m_index.find(u"schwa");
    const auto it = std::find_if(hits.begin(), hits.end(),
                                 [](const SymbolNameHit &h) { return h.code == 0x259; });
    QVERIFY(it != hits.end());
    QCOMPARE(it->unicodeName, QStringLiteral("LATIN SMALL LETTER SCHWA"));
    QVERIFY(it->japaneseName.contains(QStringLiteral("シュワー")));
    QCOMPARE(UnicodeCharName(0x00E9), QStringLiteral("LATIN SMALL LETTER E WITH ACUTE"));
    QVERIFY(UnicodeCharName(0xD800).isEmpty());
}

void tst_SymbolSearch::limitAndOrder()
{
    const QList<SymbolNameHit> hits = m_index.find(u"letter");
    QCOMPARE(hits.size(), 100);
    for (qsizetype i = 1; i < hits.size(); ++i)
        QVERIFY(hits[i - 1].code < hits[i].code);
    QCOMPARE(m_index.find(u"letter", 5).size(), 5);
    QVERIFY(m_index.find(u"   ").isEmpty());
    QVERIFY(m_index.find(u"qqxz").isEmpty());
}

void tst_SymbolSearch::databaseOnly()
{
    SymbolDatabase db;
    db.records.append({0, 1, QStringLiteral("0041"), QStringLiteral("A"), QStringLiteral("bé"),
                       QStringLiteral("ラテン大文字Ａ"), QStringLiteral("0"), QString()});
    db.records.append({0, 2, QStringLiteral("00E9"), QStringLiteral("é"), QString(),
                       QStringLiteral("ｱｷｭｰﾄ付きｅ"), QStringLiteral("0"), QString()});
    SymbolNameIndex i;
    i.addDatabase(db);
    QCOMPARE(codes(i.find(u"BÉ")), QStringLiteral("41"));
    QCOMPARE(codes(i.find(u"アキュート")), QStringLiteral("E9")); // half-width katakana folded
    QCOMPARE(codes(i.find(u"大文字a")), QStringLiteral("41"));
    i.clear();
    QVERIFY(i.isEmpty());
    QVERIFY(i.find(u"a").isEmpty());
}

QTEST_APPLESS_MAIN(tst_SymbolSearch)
#include "tst_symbolsearch.moc"
