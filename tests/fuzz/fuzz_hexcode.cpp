#include "fuzzcheck.h"
#include "hexcode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzUtf16(data, size);
    bool ok = false;
    const char16_t c = HexCodeToChar(text, &ok);
    if (IsHexCode(text)) {
        FUZZ_CHECK(ok);
        FUZZ_CHECK(c == 0 ? CodeText(c).isEmpty() : CodeText(c) == text);
        if (c != 0)
            FUZZ_CHECK(ExpandHexEscapes(QStringLiteral("#$") + text) == QString(QChar(c)));
    }
    const QString expanded = ExpandHexEscapes(text);
    FUZZ_CHECK(expanded.size() <= text.size());
    ParseDecimalInt(text, &ok);
    SymbolNames names;
    FindSymbolByCode(text.split(u'\n'), c, &names);
    return 0;
}
