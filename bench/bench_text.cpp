// Comma splitting and whole-file reading against the floors they are measured by:
// a scan that only counts commas, and readAll plus the bare UTF-16 decode.
#include "splitcommatext.h"
#include "textfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool smoke()
{
    return qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE");
}

// Word-book lines as they are stored: quoted fields, escapes, a colour code.
QStringList wordBookLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("\"café%1\",\"kæˈfeɪ\",\"キャフェイ\",\"喫茶店、カフェ\","
                                    "\"フランス語から。\"\"un café\"\"\",\"cafe%1.mp3\",#FF0000")
                         .arg(i));
    return lines;
}

const QStringList &sharedLines()
{
    static const QStringList lines = wordBookLines(smoke() ? 1000 : 1000000);
    return lines;
}

qint64 characters(const QStringList &lines)
{
    qint64 n = 0;
    for (const QString &l : lines)
        n += l.size();
    return n;
}

void BM_SplitCommaText(benchmark::State &state)
{
    const QStringList &lines = sharedLines();
    for (auto _ : state) {
        qsizetype fields = 0;
        for (const QString &line : lines)
            fields += SplitCommaText(line).size();
        benchmark::DoNotOptimize(fields);
    }
    state.SetBytesProcessed(state.iterations() * characters(lines) * 2);
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_SplitCommaText)->Unit(benchmark::kMillisecond);

void BM_CountCommasFloor(benchmark::State &state)
{
    const QStringList &lines = sharedLines();
    for (auto _ : state) {
        qsizetype commas = 0;
        for (const QString &line : lines)
            for (QChar c : line)
                commas += c == u',';
        benchmark::DoNotOptimize(commas);
    }
    state.SetBytesProcessed(state.iterations() * characters(lines) * 2);
    state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_CountCommasFloor)->Unit(benchmark::kMillisecond);

struct BigFile
{
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;
    BigFile()
    {
        path = dir.filePath("big.utx");
        const qint64 target = smoke() ? (1 << 20) : 50LL * 1000 * 1000;
        QStringList lines;
        qint64 bytes = 2;
        int i = 0;
        while (bytes < target) {
            lines.append(QStringLiteral("\"word%1\",\"ˈwɜːd\",\"ワード\",\"単語\",\"\",\"\",").arg(i++));
            bytes += (lines.last().size() + 2) * 2;
        }
        WriteUnicodeFile(path, lines);
        size = QFileInfo(path).size();
    }
};

const BigFile &bigFile()
{
    static const BigFile file;
    return file;
}

void BM_ReadUnicodeFileLines(benchmark::State &state)
{
    const BigFile &file = bigFile();
    for (auto _ : state) {
        const TextReadResult result = ReadTextFile(file.path, TextFileKind::Unicode);
        benchmark::DoNotOptimize(result.lines.size());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadUnicodeFileLines)->Unit(benchmark::kMillisecond);

void BM_ReadUnicodeFileLineViews(benchmark::State &state)
{
    const BigFile &file = bigFile();
    for (auto _ : state) {
        TextLines lines;
        ReadTextLines(file.path, TextFileKind::Unicode, &lines);
        benchmark::DoNotOptimize(lines.lines.size());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadUnicodeFileLineViews)->Unit(benchmark::kMillisecond);

void BM_ReadAllDecodeFloor(benchmark::State &state)
{
    const BigFile &file = bigFile();
    for (auto _ : state) {
        QFile f(file.path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        QStringDecoder decoder(QStringConverter::Utf16LE);
        const QString text = decoder.decode(bytes);
        benchmark::DoNotOptimize(text.size());
    }
    state.SetBytesProcessed(state.iterations() * file.size);
}
BENCHMARK(BM_ReadAllDecodeFloor)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
