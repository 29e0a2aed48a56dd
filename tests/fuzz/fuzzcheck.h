// What every harness shares: the input as bytes or lines, and a check that stops the
// run with a message, so that a broken round trip counts as a finding like a crash.
#pragma once

#include <QByteArrayView>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "textfile.h"

#define FUZZ_CHECK(condition)                                                                \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)

inline QByteArrayView fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input read as a file of the given kind would be.
inline QStringList fuzzLines(const uint8_t *data, size_t size, TextFileKind kind)
{
    return SplitTextLines(DecodeText(fuzzBytes(data, size), kind));
}

// Every UTF-16 code unit reachable: the bytes as UTF-16 LE, an odd last byte dropped.
inline QString fuzzUtf16(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    for (size_t i = 0; i + 1 < size; i += 2)
        text[qsizetype(i / 2)] = QChar(char16_t(data[i] | (data[i + 1] << 8)));
    return text;
}
