#include "fuzzcheck.h"
#include "settings.h"
#include "transfercontent.h"
#include "transferencodings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks a charset and size; the rest is the text as UTF-16.
    const int charset = size > 0 ? data[0] : 0;
    const QString text = size > 0 ? fuzzUtf16(data + 1, size - 1) : QString();

    const QString hex = HexCharRefs(text);
    FUZZ_CHECK(hex.count(QStringLiteral("&#x")) == text.size());
    const QString dec = DecimalCharRefs(text);
    FUZZ_CHECK(dec.count(QStringLiteral("&#")) == text.size());
    const QString rtf = RtfUnicodeEscape(text);
    FUZZ_CHECK(rtf.count(QStringLiteral("\\u")) == text.size());
    FUZZ_CHECK(!rtf.contains(u'-'));

    // Font names come from the font list: no control characters in them.
    QString font = text.left(40);
    font.removeIf([](QChar c) { return c.unicode() < 0x20; });
    const QString document = BuildRtfDocument(charset, 1 + charset % 72, text, font, u"fnil");
    const QByteArray bytes = RtfDocumentBytes(document);
    for (char b : bytes)
        FUZZ_CHECK(b != '\0');

    Settings settings;
    settings.UsrMainFont = font.left(20);
    const TransferFields fields{text, text.mid(1, 5), text.left(8), text.left(2)};
    for (int mode : {0, 1, 2, 3, 4, 10, 11, 12, 13, 5, -1})
        TransferContentFor(TransferMode(mode), fields, settings);
    TransferSourceText(text);
    return 0;
}
