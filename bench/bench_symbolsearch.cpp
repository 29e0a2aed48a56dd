// Finding a symbol by name over the whole Basic Multilingual Plane and the installed
// symbol databases. Goal: a query answers in under 20 ms. Floor: reading the searched
// names once (a scan for a character none of them holds), in the same run.
#include <QCoreApplication>
#include <QDir>

#include <cstdlib>
#include <cstring>

#include "symboldb.h"
#include "symbolsearch.h"

#include <benchmark/benchmark.h>

namespace {

SymbolNameIndex &index()
{
    static SymbolNameIndex built = [] {
        SymbolNameIndex i;
        i.addUnicodeNames();
        const QDir tables(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/../share/Kestrane/VelmorUC/Tbl"));
        for (const QString &file :
             tables.entryList({QStringLiteral("DB*.csv")}, QDir::Files, QDir::Name))
            i.addDatabase(LoadSymbolDatabase(tables.filePath(file)));
        i.searchText();
        return i;
    }();
    return built;
}

void BM_FloorReadNames(benchmark::State &state)
{
    const QByteArrayView text = index().searchText();
    for (auto _ : state)
        benchmark::DoNotOptimize(std::memchr(text.data(), '\x01', size_t(text.size())));
    state.counters["bytes"] = double(text.size());
}
BENCHMARK(BM_FloorReadNames)->Unit(benchmark::kMillisecond);

void BM_FindByName(benchmark::State &state, const char16_t *query)
{
    SymbolNameIndex &i = index();
    qsizetype hits = 0;
    for (auto _ : state) {
        const QList<SymbolNameHit> found = i.find(QStringView(query));
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK_CAPTURE(BM_FindByName, schwa, u"schwa")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindByName, tilde, u"tilde")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindByName, small_e_acute, u"small e acute")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindByName, japanese, u"アキュート")->Unit(benchmark::kMillisecond);
// No name holds it: the whole text is searched.
BENCHMARK_CAPTURE(BM_FindByName, no_hit, u"qqxz")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindByName, one_letter, u"e")->Unit(benchmark::kMillisecond);

// Building the index, done once, the first time the user searches.
void BM_BuildIndex(benchmark::State &state)
{
    for (auto _ : state) {
        SymbolNameIndex i;
        i.addUnicodeNames();
        benchmark::DoNotOptimize(i.searchText().size());
    }
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(std::getenv("VELMOR_BENCH_SMOKE") ? 1 : 5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
