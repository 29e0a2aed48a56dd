#include "editorbook.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = DecodeText(fuzzBytes(data, size), TextFileKind::Unicode);
    const EditorBook book = EditorBookFromLines(SplitTextLineViews(text));
    // What the editor stores reads back as the same grid, so a second save changes nothing.
    const QStringList stored = EditorBookLines(book);
    const QString reread = DecodeText(EncodeUnicodeLines(stored), TextFileKind::Unicode);
    FUZZ_CHECK(EditorBookLines(EditorBookFromLines(SplitTextLineViews(reread))) == stored);
    return 0;
}
