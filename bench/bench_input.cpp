// Building the trigger tables from table files of realistic size, and the lookups that
// run on every typed key and on every redraw of the trigger keyboard.
#include <QTemporaryDir>

#include <cstdlib>

#include "hexcode.h"
#include "textfile.h"
#include "triggerinput.h"
#include "triggertables.h"

#include <benchmark/benchmark.h>

namespace {

bool smoke()
{
    return std::getenv("VELMOR_BENCH_SMOKE") != nullptr;
}

int candidateLines()
{
    return smoke() ? 50 : 1000;
}

int symbolRows()
{
    return smoke() ? 100 : 2000;
}

QString QuoteField(const QString &s)
{
    return u'"' + s + u'"';
}

char16_t symbolCode(int i)
{
    return char16_t(0x0100 + i); // Latin Extended, IPA, ... as the real tables
}

char16_t triggerKey(int i)
{
    return char16_t(0x21 + i);
}

QStringList symbolLines(int rows)
{
    QStringList lines;
    for (int g = 0; g < 10; ++g)
        lines.append(QStringLiteral("Group,%1,\"グループ%1\"").arg(g));
    for (int i = 0; i < rows; ++i)
        lines.append(QStringLiteral("%1,\"%2\",\"LATIN SMALL LETTER NUMBER %3\",\"記号 %3\","
                                    "\"%4\",\"%5\"")
                         .arg(i % 10)
                         .arg(CodeText(symbolCode(i)))
                         .arg(i)
                         .arg(i % 3)
                         .arg(i % 7 == 0 ? QStringLiteral("注 似た記号あり") : QString()));
    return lines;
}

QStringList candidateFileLines(int lines, int rows)
{
    QStringList out;
    for (int i = 0; i < lines; ++i) {
        QString trigger = QString(QChar(triggerKey(i)));
        if (trigger == u"\"")
            trigger = QStringLiteral("0022");
        QString line = QuoteField(trigger);
        for (int n = 0; n < 9; ++n) {
            line += u',';
            // A few empty slots, as real files have.
            line += (i + n) % 5 == 4 ? QStringLiteral("\"\"")
                                     : QuoteField(CodeText(symbolCode((i * 9 + n) % rows)));
        }
        out.append(line);
    }
    return out;
}

struct TableSet
{
    QTemporaryDir dir;
    TableSet()
    {
        const int rows = symbolRows();
        const QStringList db = symbolLines(rows);
        const QStringList cand = candidateFileLines(candidateLines(), rows);
        WriteAnsiFile(dir.filePath("DBVelmor.csv"), db);
        WriteAnsiFile(dir.filePath("CandVelmor.csv"), cand);
        WriteAnsiFile(dir.filePath("DBPhonet.csv"), db);
        WriteAnsiFile(dir.filePath("CandAll.csv"), cand);
    }
};

TableSet &tableSet()
{
    static TableSet set;
    return set;
}

// Both sets, as at start-up: read, split, build, name.
void BM_LoadBothTableSets(benchmark::State &state)
{
    TableSet &set = tableSet();
    for (auto _ : state) {
        CandidateTablesLoad letter =
            LoadCandidateTables(set.dir.path(), "CandVelmor.csv", "DBVelmor.csv");
        CandidateTablesLoad phonetic =
            LoadCandidateTables(set.dir.path(), "CandAll.csv", "DBPhonet.csv");
        benchmark::DoNotOptimize(letter.tables.names.data());
        benchmark::DoNotOptimize(phonetic.tables.names.data());
    }
    state.counters["lines"] = candidateLines();
    state.counters["symbols"] = symbolRows();
}
BENCHMARK(BM_LoadBothTableSets)->Unit(benchmark::kMillisecond);

// One set from lines already read: the cost of the build itself.
void BM_BuildOneSetFromLines(benchmark::State &state)
{
    const QStringList db = symbolLines(symbolRows());
    const QStringList cand = candidateFileLines(candidateLines(), symbolRows());
    for (auto _ : state) {
        const TriggerTable table = BuildTriggerTable(cand);
        const QList<TUnicodeDB> names = BuildNameList(table, db);
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(BM_BuildOneSetFromLines)->Unit(benchmark::kMillisecond);

// The one-search-per-candidate way (FindSymbolByCode over the lines), for comparison
// with the single pass of BuildNameList.
void BM_NamesBySearchPerCandidate(benchmark::State &state)
{
    const int rows = smoke() ? 50 : 500;
    const QStringList db = symbolLines(rows);
    const TriggerTable table = BuildTriggerTable(candidateFileLines(rows / 9 + 1, rows));
    const QList<char16_t> candidates = DistinctCandidates(table);
    for (auto _ : state) {
        int found = 0;
        for (char16_t c : candidates) {
            SymbolNames names;
            found += FindSymbolByCode(db, c, &names);
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["symbols"] = rows;
}
BENCHMARK(BM_NamesBySearchPerCandidate)->Unit(benchmark::kMillisecond);

TriggerInputState loadedState()
{
    TriggerInputState s;
    s.tables = LoadCandidateTables(tableSet().dir.path(), "CandVelmor.csv", "DBVelmor.csv").tables;
    s.triggerRevival = true;
    return s;
}

// A typed trigger whose entry is the last one of the table: the longest search.
void BM_FindCandidatesLastEntry(benchmark::State &state)
{
    TriggerInputState s = loadedState();
    const char16_t c = triggerKey(candidateLines() - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCandidates(s, c));
}
BENCHMARK(BM_FindCandidatesLastEntry);

// A typed character that is no trigger: the whole table is searched.
void BM_FindCandidatesMiss(benchmark::State &state)
{
    TriggerInputState s = loadedState();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCandidates(s, u'\u3042'));
}
BENCHMARK(BM_FindCandidatesMiss);

// A whole trigger-keyboard redraw: both cases of the 49 keys and labels.
void BM_HasCandidatesKeyboard(benchmark::State &state)
{
    TriggerInputState s = loadedState();
    const QString keys = QStringLiteral("1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./\\"
                                        "!\"#$%&'()~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_");
    for (auto _ : state) {
        int triggers = 0;
        for (QChar k : keys)
            triggers += HasCandidates(s, k.unicode());
        benchmark::DoNotOptimize(triggers);
    }
}
BENCHMARK(BM_HasCandidatesKeyboard);

// The whole typing decision for a trigger in the pad, without the window.
void BM_TypeCharacterPad(benchmark::State &state)
{
    TriggerInputStates states;
    states.letter = loadedState();
    const QString typed(QChar(triggerKey(candidateLines() / 2)));
    const FieldState pad{TriggerField::MainPad};
    for (auto _ : state)
        benchmark::DoNotOptimize(TypeCharacter(states, pad, typed));
}
BENCHMARK(BM_TypeCharacterPad);

// Both sets from a real table folder (VELMOR_BENCH_TABLES, e.g. build/share/.../Tbl).
void BM_LoadTableFolder(benchmark::State &state, const QString &folder)
{
    for (auto _ : state) {
        CandidateTablesLoad letter = LoadCandidateTables(folder, "CandVelmor.csv", "DBVelmor.csv");
        CandidateTablesLoad phonetic = LoadCandidateTables(folder, "CandAll.csv", "DBPhonet.csv");
        benchmark::DoNotOptimize(letter.tables.names.data());
        benchmark::DoNotOptimize(phonetic.tables.names.data());
        state.counters["letterLines"] = letter.tables.table.count();
        state.counters["phoneticLines"] = phonetic.tables.table.count();
    }
}

} // namespace

int main(int argc, char **argv)
{
    const QString folder = qEnvironmentVariable("VELMOR_BENCH_TABLES");
    if (!folder.isEmpty())
        benchmark::RegisterBenchmark("BM_LoadTableFolder", BM_LoadTableFolder, folder)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
