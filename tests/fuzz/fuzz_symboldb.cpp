#include "fuzzcheck.h"
#include "hexcode.h"
#include "symboldb.h"
#include "symboldbedit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzzLines(data, size, TextFileKind::Table);
    TableIssues issues;
    const SymbolDatabase db = ParseSymbolDatabase(lines, QStringLiteral("DBFuzz.csv"), &issues);
    for (const TableIssue &issue : std::as_const(issues))
        FUZZ_CHECK(issue.lineNumber >= 1 && issue.lineNumber <= lines.size());
    // Nothing read is dropped by a save: the file reads back as the same database.
    FUZZ_CHECK(RowsWithoutValidCode(db.records).isEmpty());
    const QByteArray saved = EncodeAnsiLines(SymbolDatabaseLines(db));
    const SymbolDatabase again =
        ParseSymbolDatabase(SplitTextLines(DecodeText(saved, TextFileKind::Table)));
    FUZZ_CHECK(again == db);
    for (const SymbolRecord &r : db.records) {
        SymbolNames names;
        if (IsHexCode(r.code))
            FUZZ_CHECK(FindSymbolByCode(lines, HexCodeToChar(r.code), &names));
    }
    return 0;
}
