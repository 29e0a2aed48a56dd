#include <QTest>

#include "triggerkeyboard.h"

namespace {

TriggerEntry entry(std::initializer_list<int> units)
{
    TriggerEntry e;
    int i = 0;
    for (int u : units)
        e.units[i++] = char16_t(u);
    return e;
}

} // namespace

class tst_TriggerKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyTables_data();
    void keyTables();
    void faces();
    void caption();
    void fitFontSize_data();
    void fitFontSize();
    void layout();
    void listPath_data();
    void listPath();
};

void tst_TriggerKeyboard::keyTables_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("unshifted");
    QTest::addColumn<int>("shifted");
    QTest::addColumn<int>("row");
    QTest::newRow("0") << 0 << 0x534A << 0x5168 << 0;
    QTest::newRow("1") << 1 << int('1') << int('!') << 0;
    QTest::newRow("2") << 2 << int('2') << int('"') << 0;
    QTest::newRow("6") << 6 << int('6') << int('&') << 0;
    QTest::newRow("7") << 7 << int('7') << int('\'') << 0;
    QTest::newRow("9") << 9 << int('9') << int(')') << 0;
    QTest::newRow("10") << 10 << int('0') << 0 << 0;
    QTest::newRow("11") << 11 << int('-') << int('=') << 0;
    QTest::newRow("12") << 12 << int('^') << int('~') << 0;
    QTest::newRow("13") << 13 << int('\\') << int('|') << 0;
    QTest::newRow("14") << 14 << int('q') << int('Q') << 1;
    QTest::newRow("23") << 23 << int('p') << int('P') << 1;
    QTest::newRow("24") << 24 << 0x40 << 0x60 << 1;
    QTest::newRow("25") << 25 << int('[') << int('{') << 1;
    QTest::newRow("26") << 26 << int('a') << int('A') << 2;
    QTest::newRow("34") << 34 << int('l') << int('L') << 2;
    QTest::newRow("35") << 35 << int(';') << int('+') << 2;
    QTest::newRow("36") << 36 << int(':') << int('*') << 2;
    QTest::newRow("37") << 37 << int(']') << int('}') << 2;
    QTest::newRow("38") << 38 << int('z') << int('Z') << 3;
    QTest::newRow("44") << 44 << int('m') << int('M') << 3;
    QTest::newRow("45") << 45 << int(',') << int('<') << 3;
    QTest::newRow("46") << 46 << int('.') << int('>') << 3;
    QTest::newRow("47") << 47 << int('/') << int('?') << 3;
    QTest::newRow("48") << 48 << int('\\') << int('_') << 3;
    QTest::newRow("out of range") << 49 << 0 << 0 << 3;
}

void tst_TriggerKeyboard::keyTables()
{
    QFETCH(int, key);
    QFETCH(int, unshifted);
    QFETCH(int, shifted);
    QFETCH(int, row);
    QCOMPARE(int(TriggerKeyUnshifted(key)), unshifted);
    QCOMPARE(int(TriggerKeyShifted(key)), shifted);
    QCOMPARE(TriggerKeyRow(key), row);
}

void tst_TriggerKeyboard::faces()
{
    CandidateTables tables;
    tables.table.entries = {entry({'e', 0xE9}), entry({'@', 0x20}), entry({'`', 0xE0}),
                            entry({'&', 0x2026})};
    // "e" is a trigger, "E" is not.
    TriggerKeyFace e = TriggerKeyFaceOf(16, KeyboardCase::Lower, tables);
    QCOMPARE(e, (TriggerKeyFace{'e', true, true, 'E', false}));
    e = TriggerKeyFaceOf(16, KeyboardCase::Upper, tables);
    QCOMPARE(e, (TriggerKeyFace{'E', true, false, 'E', false}));
    // "@" has only a blank candidate: no trigger; its label "`" is one.
    QCOMPARE(TriggerKeyFaceOf(24, KeyboardCase::Lower, tables),
             (TriggerKeyFace{'@', true, false, '`', true}));
    // Key 10 has no shifted character: disabled in upper state, enabled again in lower.
    QCOMPARE(TriggerKeyFaceOf(10, KeyboardCase::Upper, tables),
             (TriggerKeyFace{0, false, false, 0, false}));
    QCOMPARE(TriggerKeyFaceOf(10, KeyboardCase::Lower, tables),
             (TriggerKeyFace{'0', true, false, 0, false}));
    // Key 0 is never enabled.
    QVERIFY(!TriggerKeyFaceOf(0, KeyboardCase::Lower, tables).enabled);
    QCOMPARE(TriggerKeyFaceOf(6, KeyboardCase::Upper, tables),
             (TriggerKeyFace{'&', true, true, '&', true}));
    // Empty tables: nothing is highlighted.
    for (int k = 0; k < TriggerKeyCount; ++k) {
        QVERIFY(!TriggerKeyFaceOf(k, KeyboardCase::Lower, CandidateTables()).trigger);
        QVERIFY(!TriggerKeyFaceOf(k, KeyboardCase::Upper, CandidateTables()).labelTrigger);
    }
}

void tst_TriggerKeyboard::caption()
{
    QCOMPARE(TriggerKeyCaption('&'), QString("&&"));
    QCOMPARE(TriggerKeyCaption('e'), QString("e"));
    QCOMPARE(TriggerKeyCaption(0), QString());
}

void tst_TriggerKeyboard::fitFontSize_data()
{
    QTest::addColumn<int>("perPoint"); // text width and height grow by this per point
    QTest::addColumn<int>("offset");   // and start from this, so growth is not proportional
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<int>("maxHeight");
    QTest::addColumn<int>("size");
    // At 8 points the text is 16 × 16; it grows 2 pixels per point.
    QTest::newRow("does not fit at 8") << 2 << 0 << 10 << 100 << 5;
    QTest::newRow("fits up to 11") << 2 << 0 << 23 << 100 << 9;                // 12 gives 24 ≥ 23
    QTest::newRow("height decides") << 2 << 0 << 100 << 20 << 7;               // 10 gives 20 ≥ 20
    QTest::newRow("exact width stops") << 2 << 0 << 18 << 100 << 6;            // 9 gives 18
    QTest::newRow("never grows") << 0 << 0 << 100 << 100 << 997;               // bounded, no hang
    QTest::newRow("grows slower than a guess") << 1 << 40 << 60 << 100 << 17;  // 20 gives 60
    QTest::newRow("grows faster than a guess") << 3 << -16 << 60 << 100 << 23; // 26 gives 62
}

void tst_TriggerKeyboard::fitFontSize()
{
    QFETCH(int, perPoint);
    QFETCH(int, offset);
    QFETCH(int, maxWidth);
    QFETCH(int, maxHeight);
    QFETCH(int, size);
    const auto measure = [perPoint, offset](int points) {
        const int s = perPoint ? perPoint * points + offset : 16;
        return QSize(s, s);
    };
    QCOMPARE(FitFontSize(measure, maxWidth, maxHeight), size);
}

void tst_TriggerKeyboard::layout()
{
    const TriggerKeyboardLayout l = LayoutTriggerKeyboard(378, 220);
    QCOMPARE(l.T, 22);
    QCOMPARE(l.C, 26);                     // (378 - 4) div 14
    QCOMPARE(l.P, (220 - 22 * 2 / 3) / 4); // 51
    QCOMPARE(l.K, 34);
    QCOMPARE(l.keys[0], QRect(4, 22, 26, 34));
    QCOMPARE(l.keys[13], QRect(4 + 26 * 13, 22, 26, 34));
    QCOMPARE(l.keys[14], QRect(4 + 39, 22 + 51, 26, 34));  // 26 · 1.5
    QCOMPARE(l.keys[26], QRect(4 + 46, 22 + 102, 26, 34)); // trunc(26 · 1.8)
    QCOMPARE(l.keys[38], QRect(4 + 57, 22 + 153, 26, 34)); // trunc(26 · 2.2)
    QCOMPARE(l.keys[48], QRect(4 + int(26 * 12.2), 22 + 153, 26, 34));
    QCOMPARE(l.caps, QRect(4, 22 + int(51 * 2.95), 52, int(34 * 1.3)));
    QCOMPARE(l.direct.topLeft(), QPoint(4, 22 + int(51 * 0.8)));
    QCOMPARE(l.direct.width(), 35);
    QCOMPARE(l.revival.topLeft(), QPoint(4, 22 + int(51 * 1.4)));
    QCOMPARE(l.listing, QRect(4, 22 + 102, int(26 * 1.8), int(34 * 1.2)));
    QCOMPARE(l.labelBox, 19);
    // The left-hand controls stay left of rows 1 to 3.
    QVERIFY(l.caps.right() < l.keys[38].left());
    QVERIFY(l.direct.right() < l.keys[14].left());
    QVERIFY(l.listing.right() < l.keys[26].left());

    QCOMPARE(LayoutTriggerKeyboard(378, 220, 1.2).caps.height(), int(34 * 1.2));
    // A page not yet shown has no size: nothing divides by zero.
    const TriggerKeyboardLayout empty = LayoutTriggerKeyboard(0, 0);
    QCOMPARE(empty.C, 0);
    QCOMPARE(empty.keys[48].width(), 0);
}

void tst_TriggerKeyboard::listPath_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("path");
    QTest::newRow("letters") << "CandVelmor.csv"
                             << "/t/CandVelmor.html";
    QTest::newRow("no extension") << "CandX"
                                  << "/t/CandX.html";
    QTest::newRow("two dots") << "Cand.old.csv"
                              << "/t/Cand.old.html";
}

void tst_TriggerKeyboard::listPath()
{
    QFETCH(QString, file);
    QFETCH(QString, path);
    QCOMPARE(CandidateListPath("/t", file), path);
}

QTEST_APPLESS_MAIN(tst_TriggerKeyboard)
#include "tst_triggerkeyboard.moc"
