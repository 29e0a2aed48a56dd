#include "fuzzcheck.h"
#include "wordbookfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzzLines(data, size, TextFileKind::Unicode);
    if (lines.size() < WordBookHeaderLines)
        return 0;
    // load -> save -> load gives the book that was loaded, and saving that again the
    // same bytes.
    const WordBook book = WordBookFromLines(lines, QStringLiteral("fuzz.utx"));
    const QByteArray saved = EncodeUnicodeLines(WordBookLines(book));
    const WordBook again =
        WordBookFromLines(SplitTextLines(DecodeText(saved, TextFileKind::Unicode)), book.fileName);
    FUZZ_CHECK(again == book);
    FUZZ_CHECK(EncodeUnicodeLines(WordBookLines(again)) == saved);
    return 0;
}
