// The word list's model and painting, and the word-book list's model.
#include "wordbooklistmodel.h"
#include "wordlistmodel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

class tst_WordListView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void captionsFollowDirection();
    void cellsFollowDirection();
    void fitText_data();
    void fitText();
    void fontTarget();
    void fittedSizeReachesTarget();
    void rowColours_data();
    void rowColours();
    void bookCountUpdate();

private:
    static QList<WordEntry> sample();
};

QList<WordEntry> tst_WordListView::sample()
{
    return {{"apple", "ˈæpəl", "アップル", "りんご", "", "apple.mp3", "#FF0000"},
            {"Banana", "bəˈnɑːnə", "バナーナ", "バナナ", "果物", "", "#ff0000"}};
}

void tst_WordListView::captionsFollowDirection()
{
    WordListModel model;
    model.setLanguageName("英　語");
    QSignalSpy headers(&model, &QAbstractItemModel::headerDataChanged);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("英　語"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("日本語"));
    model.setForeignFirst(false);
    QCOMPARE(headers.size(), 1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("日本語"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("英　語"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("No"));
    QCOMPARE(model.headerData(7, Qt::Horizontal).toString(), QString("文字色"));
}

void tst_WordListView::cellsFollowDirection()
{
    WordListModel model;
    model.setWords(sample());
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 8);
    QCOMPARE(model.index(1, 0).data().toString(), QString("Banana"));
    QCOMPARE(model.index(1, 1).data().toString(), QString("2"));
    QCOMPARE(model.index(1, 4).data().toString(), QString("バナナ"));
    model.setForeignFirst(false);
    QCOMPARE(model.index(1, 0).data().toString(), QString("バナナ"));
    QCOMPARE(model.index(1, 4).data().toString(), QString("Banana"));
    // The stored order of fields does not depend on the direction.
    QCOMPARE(model.words(), sample());
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
}

void tst_WordListView::fitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("fits") << "short" << 400;
    QTest::newRow("cut") << "a rather long phrase that cannot fit in the cell" << 80;
    QTest::newRow("nothing fits") << "WWWWWW" << 3;
    QTest::newRow("empty") << "" << 10;
}

void tst_WordListView::fitText()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    const QFontMetrics metrics(QApplication::font());
    const QString fitted = FitTextToWidth(text, metrics, width);
    if (metrics.horizontalAdvance(text) < width) {
        QCOMPARE(fitted, text);
        return;
    }
    QVERIFY(fitted.endsWith("..."));
    QVERIFY(text.startsWith(fitted.chopped(3)));
    if (fitted != "...")
        QVERIFY(metrics.horizontalAdvance(fitted) < width);
}

void tst_WordListView::fontTarget()
{
    QCOMPARE(FontTargetHeight(42, 46), 19);
    QCOMPARE(FontTargetHeight(42, 57), 23);
    QCOMPARE(FontTargetHeight(24, 10), 2);
}

void tst_WordListView::fittedSizeReachesTarget()
{
    const QFont font("Liberation Serif");
    QCOMPARE(FitListFontSize(font, 'M', 2), 11); // never below 11
    const int size = FitListFontSize(font, 'M', 40);
    QFont f = font;
    f.setPointSize(size);
    QVERIFY(QFontMetrics(f).size(Qt::TextSingleLine, "M").height() >= 40);
    f.setPointSize(size - 1);
    QVERIFY(QFontMetrics(f).size(Qt::TextSingleLine, "M").height() < 40);
    // The stepped search gives what counting up one point at a time gives.
    for (const QFont &face : {font, QFont("IPAPGothic"), QFont("Charis SIL")}) {
        for (int target = 1; target <= 90; target += 3) {
            QFont g = face;
            int linear = 11;
            for (;; ++linear) {
                g.setPointSize(linear);
                if (QFontMetrics(g).size(Qt::TextSingleLine, "M").height() >= target)
                    break;
            }
            QCOMPARE(FitListFontSize(face, 'M', target), linear);
        }
    }
    const ListFontSizes sizes = FitListFonts(font, font, font, 42, 57, 60, 46);
    QVERIFY(sizes.foreign >= 11 && sizes.phonetic >= sizes.foreign && sizes.japanese >= 11);
}

void tst_WordListView::rowColours_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("red");
    QTest::newRow("upper-case code draws red") << 0 << true;
    QTest::newRow("lower-case code draws default") << 1 << false;
}

static bool hasRedPixels(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    return false;
}

void tst_WordListView::rowColours()
{
    QFETCH(int, row);
    QFETCH(bool, red);
    WordListModel model;
    model.setWords(sample());
    WordListDelegate delegate;
    WordListLook look;
    look.foreignFont = look.japaneseFont = look.phoneticFont = look.fixedFont =
        QFont("DejaVu Sans", 14);
    look.phoneticBackground = QColor(250, 255, 230);
    delegate.setLook(look);
    QImage image(160, 40, QImage::Format_RGB32);
    for (int column : {0, 2, 3, 4}) {
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 160, 40);
        option.palette = QApplication::palette();
        delegate.paint(&painter, option, model.index(row, column));
        painter.end();
        QCOMPARE(hasRedPixels(image, image.rect()), red);
        if (column == 2)
            QCOMPARE(image.pixelColor(1, 1), QColor(250, 255, 230));
        // Selected rows use the highlight colours, whatever the row's colour.
        image.fill(Qt::white);
        painter.begin(&image);
        option.state |= QStyle::State_Selected;
        delegate.paint(&painter, option, model.index(row, column));
        painter.end();
        QCOMPARE(image.pixelColor(1, 1), option.palette.color(QPalette::Active, QPalette::Highlight));
    }
}

void tst_WordListView::bookCountUpdate()
{
    WordBookListModel model;
    model.setRows({{"A", "a.utx", "g", 3}, {"B", "b.utx", "g", 1}});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.updateCount("b.utx", 2);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.index(1, 3).data().toString(), QString("2"));
    QCOMPARE(model.index(0, 3).data().toString(), QString("3"));
    model.updateCount("none.utx", 9);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("ファイル名"));
}

QTEST_MAIN(tst_WordListView)
#include "tst_wordlistview.moc"
