// CombineAccents and DivideAccents over a pad text full of pairs: the time per MB must
// not grow with the size.
#include "accentpairs.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

bool smoke()
{
    return qEnvironmentVariableIntValue("VELMOR_BENCH_SMOKE") == 1;
}

// About `bytes` bytes of UTF-16 text: words whose accents are written as pairs.
QString pairText(qsizetype bytes)
{
    const QString word =
        QStringLiteral("Que\u0301bec Sa\u0303o Zu\u0308rich c\u030Ce\u0301s\u030C ");
    QString text;
    text.reserve(bytes / 2 + word.size());
    while (text.size() * 2 < bytes)
        text.append(word);
    return text;
}

void BM_CombineAccents(benchmark::State &state)
{
    const QString text = pairText(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CombineAccents(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void BM_DivideAccents(benchmark::State &state)
{
    const QString text = CombineAccents(pairText(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DivideAccents(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}

void sizes(benchmark::internal::Benchmark *b)
{
    if (smoke()) {
        b->Arg(16 << 10);
    } else {
        b->Arg(1 << 20);
        b->Arg(8 << 20);
    }
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_CombineAccents)->Apply(sizes);
BENCHMARK(BM_DivideAccents)->Apply(sizes);
BENCHMARK_MAIN();
