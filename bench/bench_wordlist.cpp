// Opening a book of 100,000 words into the word list: load, model reset and the
// first paint, against reading and decoding the same file (the floor).
#include "textfile.h"
#include "wordbookfile.h"
#include "wordlistmodel.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct BigBook
{
    QTemporaryDir dir;
    QString fileName = QStringLiteral("big.utx");
    BigBook()
    {
        WordBook book;
        book.title = QStringLiteral("Big");
        book.fileName = fileName;
        const int count = qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE") ? 1000 : 100000;
        for (int i = 0; i < count; ++i)
            book.words.append({QStringLiteral("word%1").arg(i), QStringLiteral("ˈwɜːd"),
                               QStringLiteral("ワード"), QStringLiteral("単語 %1").arg(i),
                               QStringLiteral("note"), QString(), QStringLiteral("#FF0000")});
        SaveWordBook(dir.path(), book);
    }
};

const BigBook &bigBook()
{
    static const BigBook book;
    return book;
}

void BM_OpenBookIntoWordList(benchmark::State &state)
{
    const BigBook &big = bigBook();
    QTableView view;
    view.resize(900, 400);
    view.verticalHeader()->setDefaultSectionSize(42);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->hide();
    WordListModel model;
    WordListDelegate delegate;
    WordListLook look;
    look.foreignFont = QFont(QStringLiteral("Liberation Serif"), 18);
    look.phoneticFont = QFont(QStringLiteral("Charis SIL"), 18);
    look.japaneseFont = look.fixedFont = QFont(QStringLiteral("IPAPGothic"), 14);
    look.phoneticBackground = QColor(250, 255, 230);
    delegate.setLook(look);
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    for (auto _ : state) {
        WordBookLoadResult loaded = LoadWordBook(big.dir.path(), big.fileName);
        // As the word-book window does: the rows take the words over.
        model.setWords(std::move(loaded.book.words));
        const QPixmap first = view.grab();
        benchmark::DoNotOptimize(first.cacheKey());
        state.PauseTiming();
        model.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBookIntoWordList)->Unit(benchmark::kMillisecond);

void BM_ReadAndDecodeFloor(benchmark::State &state)
{
    const BigBook &big = bigBook();
    for (auto _ : state) {
        QFile file(big.dir.filePath(big.fileName));
        file.open(QIODevice::ReadOnly);
        const QString text = DecodeText(file.readAll(), TextFileKind::Unicode);
        benchmark::DoNotOptimize(text.size());
    }
}
BENCHMARK(BM_ReadAndDecodeFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                   : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
