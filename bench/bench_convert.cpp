// Converting a large foreign word book and exporting a large book for flashcards, each
// beside its floor: reading and decoding the same bytes twice, writing the same bytes.
// VELMOR_BENCH_SMOKE=1 uses small sizes.
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "flashcardexport.h"
#include "textfile.h"
#include "wordbookconvert.h"

#include <benchmark/benchmark.h>

namespace {

int bookWords()
{
    return qEnvironmentVariableIntValue("VELMOR_BENCH_SMOKE") == 1 ? 1000 : 100000;
}

// A generic-layout book: Japanese, kana and notes in code page 932, the word in 1252.
QByteArray makeEwd(int words)
{
    QStringEncoder ansi("windows-31j");
    QStringEncoder latin("windows-1252");
    QByteArray out = ansi.encode(QStringLiteral("大きな単語帳\r\n")) + QByteArray::number(words) +
                     "\r\n";
    for (int i = 0; i < words; ++i) {
        out += ansi.encode(QStringLiteral("辞書 その%1\r\nヴェルターブーフ\r\n").arg(i));
        out += ansi.encode(i % 10 == 0 ? QStringLiteral("男性名詞 \"Wörter\"\r\n")
                                       : QStringLiteral("\r\n"));
        out += latin.encode(QStringLiteral("Wörterbuch%1\r\n").arg(i));
    }
    return out;
}

struct Source
{
    QTemporaryDir dir;
    QString path;
    Source()
    {
        path = dir.filePath(QStringLiteral("big.ewd"));
        WriteFileBytes(path, makeEwd(bookWords()));
        QDir().mkpath(dir.filePath(QStringLiteral("out")));
    }
};

Source &source()
{
    static Source s;
    return s;
}

void BM_ReadAndDecodeTwiceFloor(benchmark::State &state)
{
    Source &s = source();
    for (auto _ : state) {
        QByteArray bytes;
        ReadFileBytes(s.path, &bytes);
        const QString ansi = DecodeAnsi(bytes);
        QStringDecoder latin("windows-1252");
        const QString foreign = latin.decode(bytes);
        benchmark::DoNotOptimize(SplitTextLineViews(ansi).size() +
                                 SplitTextLineViews(foreign).size());
    }
}
BENCHMARK(BM_ReadAndDecodeTwiceFloor)->Unit(benchmark::kMillisecond);

void BM_ConvertEwd(benchmark::State &state)
{
    Source &s = source();
    const QString target = s.dir.filePath(QStringLiteral("out"));
    for (auto _ : state) {
        const ConversionResult r = ConvertWordBookFile(s.path, target, {});
        if (!r.ok || r.words != bookWords())
            state.SkipWithError("conversion failed");
        state.PauseTiming();
        QFile::remove(target + u'/' + r.outputName);
        state.ResumeTiming();
    }
    state.counters["words"] = bookWords();
}
BENCHMARK(BM_ConvertEwd)->Unit(benchmark::kMillisecond);

WordBook &exportBook()
{
    static WordBook book = [] {
        WordBook b;
        b.title = QStringLiteral("大きな単語帳");
        b.group = QStringLiteral("名詞 基本");
        b.fileName = QStringLiteral("big.utx");
        const int words = bookWords();
        b.words.reserve(words);
        for (int i = 0; i < words; ++i) {
            WordEntry w;
            w.foreignWord = QStringLiteral("Wörterbuch%1").arg(i);
            w.phoneticSymbols = QStringLiteral("ˈvœʁtɐˌbuːx");
            w.phoneticKana = QStringLiteral("ヴェルターブーフ");
            w.japanese = QStringLiteral("辞書 その%1").arg(i);
            if (i % 10 == 0)
                w.notes = QStringLiteral("男性名詞\r\n複数形は \"Wörterbücher\" <pl>");
            // Voice files named but not present: each is looked for once.
            if (i % 50 == 0)
                w.voiceFile = QStringLiteral("w%1.mp3").arg(i);
            b.words.append(std::move(w));
        }
        return b;
    }();
    return book;
}

void BM_WriteSameBytesFloor(benchmark::State &state)
{
    Source &s = source();
    const QByteArray bytes = FlashcardText(exportBook(), {});
    const QString path = s.dir.filePath(QStringLiteral("floor.txt"));
    for (auto _ : state) {
        if (!WriteFileBytes(path, bytes))
            state.SkipWithError("write failed");
    }
    state.counters["MB"] = bytes.size() / (1024.0 * 1024.0);
}
BENCHMARK(BM_WriteSameBytesFloor)->Unit(benchmark::kMillisecond);

void BM_ExportFlashcards(benchmark::State &state)
{
    Source &s = source();
    const QString path = s.dir.filePath(QStringLiteral("big.txt"));
    for (auto _ : state) {
        const FlashcardExportResult r = ExportFlashcards(exportBook(), s.dir.path(), path);
        if (!r.ok)
            state.SkipWithError("export failed");
    }
    state.counters["words"] = bookWords();
}
BENCHMARK(BM_ExportFlashcards)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
