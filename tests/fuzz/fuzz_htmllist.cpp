#include "fuzzcheck.h"
#include "htmllist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzzLines(data, size, TextFileKind::Table);
    HtmlListOptions options;
    options.title = lines.value(0);
    options.font = lines.value(1);
    options.size = lines.value(2, QStringLiteral("160"));
    options.fileName = QStringLiteral("CandFuzz.csv");
    const QStringList page = HtmlListPage(options, lines);
    for (const QString &row : HtmlListRows(lines)) {
        FUZZ_CHECK(!row.contains(QStringLiteral("<script")));
        FUZZ_CHECK(page.contains(row) || row.isEmpty());
    }
    const QByteArray bytes = HtmlListBytes(page);
    // The page reads back as the lines it was made of, but for the charset it declares.
    const QStringList back = SplitTextLines(DecodeText(bytes, TextFileKind::Ansi));
    FUZZ_CHECK(back.size() == page.size());
    for (qsizetype i = 0; i < page.size(); ++i)
        FUZZ_CHECK(back[i] == page[i] || page[i].startsWith(u"<meta http-equiv"));
    return 0;
}
