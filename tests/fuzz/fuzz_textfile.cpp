#include "fuzzcheck.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input.utx"));
    const QByteArrayView bytes = fuzzBytes(data, size);
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
    }
    for (TextFileKind kind : {TextFileKind::Ansi, TextFileKind::Table, TextFileKind::Unicode}) {
        TextEncoding encoding;
        const QString text = DecodeText(bytes, kind, &encoding);
        const QStringList lines = SplitTextLines(text);
        // The file reader, with its shortcut for large UTF-16 files, reads what the
        // decoder does.
        const TextReadResult read = ReadTextFile(path, kind);
        FUZZ_CHECK(read.ok);
        FUZZ_CHECK(read.lines == lines);
        FUZZ_CHECK(read.encoding == encoding);
        QString whole;
        FUZZ_CHECK(ReadWholeText(path, kind, &whole).ok);
        FUZZ_CHECK(whole == text);

        // Whatever was read is written so that it reads back the same, in both forms.
        FUZZ_CHECK(SplitTextLines(DecodeText(EncodeUnicodeLines(lines), kind)) == lines);
        if (kind == TextFileKind::Table) {
            // A NUL ends a table text; none is left in lines read as a table.
            FUZZ_CHECK(!text.contains(QChar(0)));
        }
        // Files written in the ANSI code page are read as ANSI or table files.
        const TextFileKind ansiKind = kind == TextFileKind::Unicode ? TextFileKind::Ansi : kind;
        FUZZ_CHECK(SplitTextLines(DecodeText(EncodeAnsiLines(lines), ansiKind)) == lines);
    }
    return 0;
}
