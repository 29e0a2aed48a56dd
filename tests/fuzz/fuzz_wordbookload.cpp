#include "fuzzcheck.h"
#include "wordbookfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzzLines(data, size, TextFileKind::Unicode);
    if (lines.size() < WordBookHeaderLines)
        return 0;
    const WordBook book = WordBookFromLines(lines, QStringLiteral("fuzz.utx"));
    FUZZ_CHECK(StoredLineCount(book) == lines.size() - WordBookHeaderLines);
    for (const QString &line : lines) {
        WordEntry word;
        ParseWordLine(line, &word);
    }
    return 0;
}
