#include "candorderedit.h"
#include "fuzzcheck.h"
#include "triggertables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzzLines(data, size, TextFileKind::Table);
    TableIssues issues;
    const TriggerTable table = BuildTriggerTable(lines, QStringLiteral("CandFuzz.csv"), &issues);
    FUZZ_CHECK(table.count() == lines.size());
    for (const TriggerEntry &entry : table.entries)
        FUZZ_CHECK(entry.units[10] == 0);
    // The same lines serve as the symbol database the names come from.
    const QList<TUnicodeDB> names = BuildNameList(table, lines, QStringLiteral("DBFuzz.csv"), &issues);
    FUZZ_CHECK(names.size() == DistinctCandidates(table).size());
    IsCandidateOrderFile(lines);
    const QList<QChar> keys = CandidateEditorKeys();
    KeysWithCandidates(lines, keys);
    for (QChar key : keys) {
        const qsizetype shown = ShownLineOf(lines, key);
        FUZZ_CHECK(shown < lines.size());
        RegisteredLineOf(lines, key);
    }
    return 0;
}
