#include "fuzzcheck.h"
#include "wordbookconvert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks one of the source formats (by its extension) and the answer
    // to the foreign-word question; the rest is the file.
    if (size == 0)
        return 0;
    const QList<SourceFormat> &formats = SourceFormats();
    const SourceFormat &format = formats[data[0] % formats.size()];
    const QString fileName = QStringLiteral("source") +
                             (format.extension.isEmpty() ? QStringLiteral(".dat") : format.extension);
    const bool answer = data[0] & 0x80;
    const SourceConversion c =
        ConvertSourceBytes(fuzzBytes(data + 1, size - 1), fileName, [&](const QString &) {
            return answer;
        });
    FUZZ_CHECK(c.ok || !c.reason.isEmpty() || !c.headerRead);
    FUZZ_CHECK(c.failedWord >= 0);
    // What was read is a book the program can write and read back.
    const QByteArray saved = EncodeUnicodeLines(WordBookLines(c.book));
    FUZZ_CHECK(SplitTextLines(DecodeText(saved, TextFileKind::Unicode)).size() ==
               WordBookHeaderLines + StoredLineCount(c.book));
    return 0;
}
