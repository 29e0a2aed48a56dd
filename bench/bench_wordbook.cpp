// Loading, saving and listing large word books. VELMOR_BENCH_SMOKE=1 uses small sizes.
#include <QSaveFile>
#include <QTemporaryDir>

#include "wordbook.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

bool smoke()
{
    return qEnvironmentVariableIntValue("VELMOR_BENCH_SMOKE") == 1;
}

int bookWords()
{
    return smoke() ? 1000 : 100000;
}

WordBook makeBook(int words, int seed = 0)
{
    WordBook book;
    book.title = QStringLiteral("大きな単語帳 %1").arg(seed);
    book.group = QStringLiteral("名詞");
    book.fileName = QStringLiteral("big%1.utx").arg(seed);
    book.words.reserve(words);
    for (int i = 0; i < words; ++i) {
        WordEntry w;
        w.foreignWord = QStringLiteral("Wörterbuch%1").arg((i * 7919 + seed) % 1000003);
        w.phoneticSymbols = QStringLiteral("ˈvœʁtɐˌbuːx");
        w.phoneticKana = QStringLiteral("ヴェルターブーフ");
        w.japanese = QStringLiteral("辞書 その%1").arg(i);
        w.notes =
            (i % 10 == 0) ? QStringLiteral("男性名詞\r\n複数形は \"Wörterbücher\"") : QString();
        w.voiceFile = (i % 50 == 0) ? QStringLiteral("w%1.mp3").arg(i) : QString();
        w.textColour = (i % 20 == 0) ? QStringLiteral("#FF0000") : QString();
        book.words.append(std::move(w));
    }
    return book;
}

struct BookFolder
{
    QTemporaryDir dir;
    WordBook book;
    explicit BookFolder(int words) : book(makeBook(words)) { SaveWordBook(dir.path(), book); }
};

BookFolder &bigBook()
{
    static BookFolder folder(bookWords());
    return folder;
}

void BM_ReadAndDecode(benchmark::State &state)
{
    BookFolder &f = bigBook();
    const QString path = WordBookPath(f.dir.path(), f.book.fileName);
    for (auto _ : state) {
        TextReadResult r = ReadTextFile(path, TextFileKind::Unicode);
        benchmark::DoNotOptimize(r.lines.size());
    }
    state.counters["words"] = f.book.words.size();
}
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond);

void BM_LoadWordBook(benchmark::State &state)
{
    BookFolder &f = bigBook();
    for (auto _ : state) {
        WordBookLoadResult r = LoadWordBook(f.dir.path(), f.book.fileName);
        if (r.book.words.size() != f.book.words.size())
            state.SkipWithError("wrong word count");
        benchmark::DoNotOptimize(r.book.words.data());
    }
    state.counters["words"] = f.book.words.size();
}
BENCHMARK(BM_LoadWordBook)->Unit(benchmark::kMillisecond);

// Heap bytes in use. The resident size would not grow when the book reuses memory the
// benchmarks before it freed, and the figure would depend on what ran first.
double heapBytesInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks) + double(m.hblkhd);
}

// The memory an open book holds: its words as the word list keeps them.
void BM_OpenBookMemory(benchmark::State &state)
{
    BookFolder &f = bigBook();
    double grown = 0;
    for (auto _ : state) {
        const double before = heapBytesInUse();
        WordBookLoadResult r = LoadWordBook(f.dir.path(), f.book.fileName);
        QList<WordEntry> rows = std::move(r.book.words);
        grown = heapBytesInUse() - before;
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["MB"] = grown / (1024 * 1024);
}
BENCHMARK(BM_OpenBookMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SaveWordBook(benchmark::State &state)
{
    BookFolder &f = bigBook();
    for (auto _ : state) {
        const WriteResult r = SaveWordBook(f.dir.path(), f.book);
        if (!r.ok)
            state.SkipWithError("save failed");
    }
    state.counters["words"] = f.book.words.size();
}
BENCHMARK(BM_SaveWordBook)->Unit(benchmark::kMillisecond);

// The floor of the save: the same bytes written with QSaveFile.
void BM_SaveFloor(benchmark::State &state)
{
    BookFolder &f = bigBook();
    const QString path = WordBookPath(f.dir.path(), f.book.fileName);
    QByteArray bytes;
    ReadFileBytes(path, &bytes);
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit())
            state.SkipWithError("write failed");
    }
    state.counters["MB"] = bytes.size() / (1024.0 * 1024);
}
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMillisecond);

void BM_SortForeignColumn(benchmark::State &state)
{
    BookFolder &f = bigBook();
    const QList<WordEntry> rows = f.book.words;
    for (auto _ : state) {
        state.PauseTiming();
        // As the word list sorts: its own list, in place.
        QList<WordEntry> copy = rows;
        copy.detach();
        state.ResumeTiming();
        SortWordList(copy, FirstWordColumn, -1, true);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_SortForeignColumn)->Unit(benchmark::kMillisecond);

void BM_ScanFolder(benchmark::State &state)
{
    const int books = smoke() ? 10 : 1000;
    const int words = smoke() ? 100 : 1000;
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        for (int i = 0; i < books; ++i)
            SaveWordBook(dir.path(), makeBook(words, i));
        made = true;
    }
    for (auto _ : state) {
        WordBookScanResult r = ScanWordBookFolder(dir.path());
        if (r.rows.size() != books)
            state.SkipWithError("wrong book count");
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.counters["books"] = books;
}
BENCHMARK(BM_ScanFolder)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
