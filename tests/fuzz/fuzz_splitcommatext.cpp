#include "fuzzcheck.h"
#include "splitcommatext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = fuzzUtf16(data, size);
    bool unclosed = false;
    const QStringList fields = SplitCommaText(line, &unclosed);
    // Every field written back quoted and joined reads as the same fields.
    QStringList quoted;
    for (const QString &field : fields)
        quoted.append(QuoteCommaField(field));
    FUZZ_CHECK(SplitCommaText(quoted.join(u',')) == fields);
    for (const QString &field : fields)
        FUZZ_CHECK(SplitCommaText(QuoteCommaField(field)) == QStringList{field});
    return 0;
}
