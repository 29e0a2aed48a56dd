#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QSysInfo>
#include <QtEndian>

#include <cerrno>
#include <cstring>

#include "codeunitscan.h"

namespace {

constexpr char kAnsiCodec[] = "windows-31j";

QString decodeUtf16(QByteArrayView bytes, bool bigEndian)
{
    // A last byte without its partner is no character: it is dropped, so that saving
    // the book again does not add a U+FFFD that was never typed.
    const qsizetype units = bytes.size() / 2;
    if (units == 0)
        return QString();
    QString text(units, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.data());
    // Copy code units as they are: an unpaired surrogate is kept, not replaced, so a
    // word book with one survives a load and save unchanged.
    if (!bigEndian && QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        std::memcpy(out, in, units * 2);
    } else {
        for (qsizetype i = 0; i < units; ++i)
            out[i] = bigEndian ? qFromBigEndian<quint16>(in + 2 * i)
                               : qFromLittleEndian<quint16>(in + 2 * i);
    }
    return text;
}

void appendUtf16Le(QByteArray &out, QStringView text)
{
    if (text.isEmpty())
        return;
    const qsizetype at = out.size();
    out.resize(at + text.size() * 2);
    char *dst = out.data() + at;
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        std::memcpy(dst, text.utf16(), text.size() * 2);
    } else {
        for (qsizetype i = 0; i < text.size(); ++i)
            qToLittleEndian<quint16>(text[i].unicode(), dst + 2 * i);
    }
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString DecodeAnsi(QByteArrayView bytes)
{
    QStringDecoder decoder(kAnsiCodec);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray EncodeAnsi(QStringView text, bool *lossless)
{
    QStringEncoder encoder(kAnsiCodec);
    QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
    if (lossless) {
        // Code page 932 maps some characters onto the code of a look-alike; only a
        // round trip tells that nothing was lost.
        *lossless = encoder.isValid() && !encoder.hasError() && DecodeAnsi(bytes) == text;
    }
    return bytes;
}

QString DecodeText(QByteArrayView bytes, TextFileKind kind, TextEncoding *encoding)
{
    TextEncoding found;
    QString text;
    const auto starts = [&](std::initializer_list<uchar> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (uchar b : mark)
            if (uchar(bytes[i++]) != b)
                return false;
        return true;
    };
    if (starts({0xFF, 0xFE})) {
        found = TextEncoding::Utf16LE;
        text = decodeUtf16(bytes.sliced(2), false);
    } else if (starts({0xFE, 0xFF})) {
        found = TextEncoding::Utf16BE;
        text = decodeUtf16(bytes.sliced(2), true);
    } else if (starts({0xEF, 0xBB, 0xBF})) {
        found = TextEncoding::Utf8;
        // The decoder takes away exactly the one mark; a second U+FEFF is text.
        QStringDecoder decoder(QStringConverter::Utf8);
        text = decoder.decode(bytes);
    } else if (kind == TextFileKind::Unicode) {
        found = TextEncoding::Utf16LE;
        text = decodeUtf16(bytes, false);
    } else {
        found = TextEncoding::Ansi;
        text = DecodeAnsi(bytes);
    }
    if (kind == TextFileKind::Table) {
        const qsizetype nul = text.indexOf(QChar(0));
        if (nul >= 0)
            text.truncate(nul);
    }
    if (encoding)
        *encoding = found;
    return text;
}

QStringList SplitTextLines(QStringView text)
{
    const QList<QStringView> views = SplitTextLineViews(text);
    QStringList lines;
    lines.reserve(views.size());
    for (QStringView line : views)
        lines.append(line.toString());
    return lines;
}

QByteArray EncodeAnsiLines(const QStringList &lines, TextEncoding *used)
{
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines) {
        text.append(line);
        text.append(u"\r\n");
    }
    bool lossless = false;
    QByteArray bytes = EncodeAnsi(text, &lossless);
    // Code-page bytes that begin like a UTF-8 mark would be read as UTF-8.
    if (lossless && !bytes.startsWith("\xEF\xBB\xBF")) {
        if (used)
            *used = TextEncoding::Ansi;
        return bytes;
    }
    // UTF-8 has no form for an unpaired surrogate (it would come back as "?"); UTF-16
    // with its mark keeps every code unit, and every reader honours that mark too.
    if (!QStringView(text).isValidUtf16()) {
        if (used)
            *used = TextEncoding::Utf16LE;
        QByteArray out("\xFF\xFE", 2);
        appendUtf16Le(out, text);
        return out;
    }
    if (used)
        *used = TextEncoding::Utf8;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray EncodeUnicodeLines(const QStringList &lines)
{
    qsizetype size = 2;
    for (const QString &line : lines)
        size += (line.size() + 2) * 2;
    QByteArray out;
    out.reserve(size);
    out.append("\xFF\xFE", 2);
    for (const QString &line : lines) {
        appendUtf16Le(out, line);
        appendUtf16Le(out, u"\r\n");
    }
    return out;
}

QString SystemErrorText(const QString &systemText)
{
    struct Reason
    {
        int code;
        const char *qtText; // Qt's own text for the code, which ignores the locale
        const char16_t *japanese;
    };
    static const Reason reasons[] = {
        {EACCES, "Permission denied", u"アクセスが許可されていません。"},
        {EPERM, nullptr, u"アクセスが許可されていません。"},
        {ENOSPC, "No space left on device", u"ディスクの空き容量が足りません。"},
        {EDQUOT, nullptr, u"ディスクの使用量の上限を超えました。"},
        {ENOENT, "No such file or directory", u"ファイルまたはフォルダがありません。"},
        {ENOTDIR, nullptr, u"フォルダがありません。"},
        {EROFS, nullptr, u"読み取り専用のファイルシステムです。"},
    };
    for (const Reason &r : reasons) {
        const QString system = QString::fromLocal8Bit(std::strerror(r.code));
        if (systemText.contains(system, Qt::CaseInsensitive) ||
            (r.qtText && systemText.contains(QLatin1String(r.qtText), Qt::CaseInsensitive)))
            return QString::fromUtf16(r.japanese) + QStringLiteral("（") + systemText +
                   QStringLiteral("）");
    }
    return systemText;
}

QString ReadFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル「%1」を読み込めませんでした。\n%2")
        .arg(nativePath(path), SystemErrorText(reason));
}

QString WriteFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("ファイル「%1」に書き込めませんでした。\n%2")
        .arg(nativePath(path), SystemErrorText(reason));
}

bool ReadFileBytes(const QString &path, QByteArray *bytes, QString *errorMessage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorMessage)
            *errorMessage = ReadFailureMessage(path, file.errorString());
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorMessage)
            *errorMessage = ReadFailureMessage(path, file.errorString());
        return false;
    }
    return true;
}

TextReadResult ReadWholeText(const QString &path, TextFileKind kind, QString *text)
{
    TextReadResult result;
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes, &result.errorMessage))
        return result;
    *text = DecodeText(bytes, kind, &result.encoding);
    result.ok = true;
    return result;
}

QList<QStringView> SplitTextLineViews(QStringView text)
{
    const char16_t *begin = text.utf16();
    const char16_t *end = begin + text.size();
    QList<QStringView> lines;
    const char16_t *start = begin;
    for (const char16_t *p = begin; (p = FindCodeUnitAtMost(p, end, u'\r')) < end; ++p) {
        if (*p != u'\r' && *p != u'\n')
            continue;
        lines.append(QStringView(start, p));
        if (*p == u'\r' && p + 1 < end && p[1] == u'\n')
            ++p;
        start = p + 1;
    }
    if (start < end)
        lines.append(QStringView(start, end));
    return lines;
}

bool ReadTextLines(const QString &path, TextFileKind kind, TextLines *out, QString *errorMessage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorMessage)
            *errorMessage = ReadFailureMessage(path, file.errorString());
        return false;
    }
    // Large word books are UTF-16 little-endian: read them straight into the string
    // that the lines are cut from, so the text is copied once, not twice.
    const qint64 size = file.size();
    QString buffer((size + 1) / 2, Qt::Uninitialized);
    const qint64 got = file.read(reinterpret_cast<char *>(buffer.data()), size);
    QStringView text;
    if (got != size || file.error() != QFileDevice::NoError || !file.atEnd()) {
        // A file whose size is not known ahead, such as a pipe.
        file.close();
        QByteArray bytes;
        if (!ReadFileBytes(path, &bytes, errorMessage))
            return false;
        buffer = DecodeText(bytes, kind, &out->encoding);
        text = buffer;
    } else {
        const QByteArrayView bytes(reinterpret_cast<const char *>(buffer.constData()), size);
        const bool markLe = size >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE;
        const bool plainLe =
            kind == TextFileKind::Unicode && !markLe &&
            !(size >= 2 && uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF) &&
            !(size >= 3 && bytes.first(3) == QByteArrayView("\xEF\xBB\xBF"));
        if ((markLe || plainLe) && size % 2 == 0 && QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            out->encoding = TextEncoding::Utf16LE;
            text = QStringView(buffer).sliced(markLe ? 1 : 0);
            if (kind == TextFileKind::Table) {
                const qsizetype nul = text.indexOf(QChar(0));
                if (nul >= 0)
                    text.truncate(nul);
            }
        } else {
            buffer = DecodeText(bytes, kind, &out->encoding);
            text = buffer;
        }
    }
    out->text = std::move(buffer);
    out->lines = SplitTextLineViews(text);
    return true;
}

TextReadResult ReadTextFile(const QString &path, TextFileKind kind)
{
    TextReadResult result;
    TextLines lines;
    if (!ReadTextLines(path, kind, &lines, &result.errorMessage))
        return result;
    result.ok = true;
    result.encoding = lines.encoding;
    result.lines.reserve(lines.lines.size());
    for (QStringView line : std::as_const(lines.lines))
        result.lines.append(line.toString());
    return result;
}

WriteResult WriteFileBytes(const QString &path, QByteArrayView bytes)
{
    WriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.errorMessage = WriteFailureMessage(path, file.errorString());
        return result;
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        result.errorMessage = WriteFailureMessage(path, file.errorString());
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.errorMessage = WriteFailureMessage(path, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

WriteResult WriteAnsiFile(const QString &path, const QStringList &lines)
{
    return WriteFileBytes(path, EncodeAnsiLines(lines));
}

WriteResult WriteUnicodeFile(const QString &path, const QStringList &lines)
{
    return WriteFileBytes(path, EncodeUnicodeLines(lines));
}

WriteResult WriteUnicodeText(const QString &path, QStringView text)
{
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian && !text.isEmpty()) {
        // The text's own memory is written as it is, behind the mark: a large word book
        // is not copied once more.
        QSaveFile file(path);
        WriteResult result;
        const auto fail = [&] {
            result.errorMessage = WriteFailureMessage(path, file.errorString());
            return result;
        };
        if (!file.open(QIODevice::WriteOnly))
            return fail();
        const qint64 bytes = text.size() * 2;
        if (file.write("\xFF\xFE", 2) != 2 ||
            file.write(reinterpret_cast<const char *>(text.utf16()), bytes) != bytes) {
            fail();
            file.cancelWriting();
            return result;
        }
        if (!file.commit())
            return fail();
        result.ok = true;
        return result;
    }
    QByteArray out;
    out.reserve(2 + text.size() * 2);
    out.append("\xFF\xFE", 2);
    appendUtf16Le(out, text);
    return WriteFileBytes(path, out);
}
