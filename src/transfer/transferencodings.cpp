#include "transferencodings.h"

#include "rtffamily.h"

#include <unicode/uloc.h>

namespace {

const char HexDigits[] = "0123456789ABCDEF";

// Writes the decimal digits of a code unit, without leading zeros, and returns the
// position after them.
inline char16_t *putDecimal(char16_t *out, unsigned value)
{
    char16_t digits[5];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

// Every code unit becomes prefix, its decimal value and suffix; the result is
// written straight into its buffer, as a pad of 100,000 characters must not wait.
template <qsizetype PrefixLength>
QString decimalEach(QStringView text, const char16_t (&prefix)[PrefixLength], char16_t suffix)
{
    constexpr qsizetype prefixUnits = PrefixLength - 1;
    QString out(text.size() * (prefixUnits + 6), Qt::Uninitialized);
    char16_t *p = reinterpret_cast<char16_t *>(out.data());
    char16_t *const start = p;
    for (QChar c : text) {
        for (qsizetype i = 0; i < prefixUnits; ++i)
            *p++ = prefix[i];
        p = putDecimal(p, c.unicode());
        *p++ = suffix;
    }
    out.truncate(p - start);
    return out;
}

// A font name must not end the font entry or open a group early.
QString escapeFontName(const QString &fontName)
{
    QString out;
    out.reserve(fontName.size());
    for (QChar c : fontName) {
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            out.append(u'\\');
            out.append(c);
            break;
        case u';':
            out.append(QLatin1String("\\'3b"));
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

} // namespace

QString HexCharRefs(QStringView text)
{
    QString out(text.size() * 8, Qt::Uninitialized);
    char16_t *p = reinterpret_cast<char16_t *>(out.data());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        *p++ = u'&';
        *p++ = u'#';
        *p++ = u'x';
        *p++ = char16_t(HexDigits[(u >> 12) & 0xF]);
        *p++ = char16_t(HexDigits[(u >> 8) & 0xF]);
        *p++ = char16_t(HexDigits[(u >> 4) & 0xF]);
        *p++ = char16_t(HexDigits[u & 0xF]);
        *p++ = u';';
    }
    return out;
}

QString DecimalCharRefs(QStringView text)
{
    return decimalEach(text, u"&#", u';');
}

QString RtfUnicodeEscape(QStringView text)
{
    return decimalEach(text, u"\\u", u'?');
}

namespace {

QString rtfHeader(int charset, const QString &fontName, QStringView familyWord)
{
    QString doc;
    doc += QLatin1String(
        "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\");
    doc += familyWord;
    doc += QLatin1String("\\fprq2\\fcharset");
    doc += QString::number(charset);
    doc += u' ';
    doc += escapeFontName(fontName);
    doc += QLatin1String(";}}\\viewkind4\\uc1\\pard");
    return doc;
}

QString fontSizeWords(int size)
{
    return QLatin1String("\\f0\\fs") + QString::number(qint64(size) * 2);
}

} // namespace

int WindowsLanguageId(const QString &locale)
{
    if (locale.isEmpty())
        return NoProofing;
    return int(uloc_getLCID(locale.toLatin1().constData()));
}

QString BuildRtfFragment(int charset, int size, QStringView text, const QString &fontName,
                         int languageId)
{
    return BuildRtfFragment(charset, size, text, fontName, RtfFamilyWord(fontName), languageId);
}

QString BuildRtfFragment(int charset, int size, QStringView text, const QString &fontName,
                         QStringView familyWord, int languageId)
{
    QString doc = rtfHeader(charset, fontName, familyWord);
    doc.reserve(doc.size() + 40 + text.size() * 6);
    // Writer takes language 255 for "none"; word processors that know the
    // control word take \noproof.
    if (languageId == NoProofing)
        doc += QLatin1String("\\lang255\\noproof");
    else
        doc += QLatin1String("\\lang") + QString::number(languageId);
    doc += fontSizeWords(size);
    qsizetype start = 0;
    while (true) {
        const qsizetype end = text.indexOf(QLatin1String("\r\n"), start);
        doc += RtfUnicodeEscape(text.mid(start, end < 0 ? text.size() - start : end - start));
        if (end < 0)
            break;
        doc += QLatin1String("\\par");
        start = end + 2;
    }
    doc += u'}';
    return doc;
}

QString TransferHtml(QStringView text, const QString &fontName, int size,
                     const QString &languageTag)
{
    auto escaped = [](QStringView plain) {
        QString out;
        out.reserve(plain.size() * 3 + 16);
        for (qsizetype i = 0; i < plain.size(); ++i) {
            char32_t u = plain[i].unicode();
            if (QChar::isHighSurrogate(u) && i + 1 < plain.size() &&
                plain[i + 1].isLowSurrogate()) {
                u = QChar::surrogateToUcs4(plain[i].unicode(), plain[i + 1].unicode());
                ++i;
            }
            if (u == u'\r' || u == u'\n') {
                if (u == u'\r' && i + 1 < plain.size() && plain[i + 1] == u'\n')
                    ++i;
                out += QLatin1String("<br>");
            } else if (u < 0x80 && u != u'&' && u != u'<' && u != u'>' && u != u'"' &&
                       u != u'\'') {
                out += QChar(char16_t(u));
            } else {
                char16_t digits[8];
                int n = 0;
                do {
                    digits[n++] = char16_t(u'0' + u % 10);
                    u /= 10;
                } while (u != 0);
                out += QLatin1String("&#");
                while (n > 0)
                    out += QChar(digits[--n]);
                out += u';';
            }
        }
        return out;
    };
    // The family in CSS quotes inside the attribute's double quotes.
    QString family = fontName;
    family.replace(u'\\', QLatin1String("\\\\")).replace(u'\'', QLatin1String("\\'"));
    QString html = QStringLiteral("<meta charset=\"utf-8\"><span");
    if (!languageTag.isEmpty())
        html += QLatin1String(" lang=\"") + escaped(languageTag) + u'"';
    html += QLatin1String(" style=\"font-family:'") + escaped(family) +
            QLatin1String("';font-size:") + QString::number(size) +
            QLatin1String("pt;white-space:pre-wrap\">");
    html += escaped(text);
    html += QLatin1String("</span>");
    return html;
}

QString BuildRtfDocument(int charset, int size, QStringView text, const QString &fontName)
{
    return BuildRtfDocument(charset, size, text, fontName, RtfFamilyWord(fontName));
}

QString BuildRtfDocument(int charset, int size, QStringView text, const QString &fontName,
                         QStringView familyWord)
{
    QString doc = rtfHeader(charset, fontName, familyWord);
    doc.reserve(doc.size() + 40 + text.size() * 6);
    doc += QLatin1String("\\lang1041");
    doc += fontSizeWords(size);
    doc += RtfUnicodeEscape(text);
    doc += QLatin1String("\\f1\\par}");
    return doc;
}

QByteArray RtfDocumentBytes(QStringView document)
{
    QByteArray out;
    out.reserve(document.size() + 16);
    qsizetype i = 0;
    while (i < document.size()) {
        qsizetype end = i;
        while (end < document.size() && document[end].unicode() < 0x80)
            ++end;
        if (end > i) {
            out.append(document.mid(i, end - i).toLatin1());
            i = end;
            continue;
        }
        const char16_t u = document[i].unicode();
        qsizetype len = 1;
        if (QChar::isHighSurrogate(u) && i + 1 < document.size() &&
            document[i + 1].isLowSurrogate())
            len = 2;
        const QStringView one = document.mid(i, len);
        bool lossless = false;
        const QByteArray bytes = EncodeAnsi(one, &lossless);
        if (!lossless || bytes.isEmpty()) {
            for (QChar c : one)
                out.append("\\u").append(QByteArray::number(c.unicode())).append('?');
        } else if (bytes.contains('\\') || bytes.contains('{') || bytes.contains('}')) {
            for (char b : bytes) {
                const unsigned char v = static_cast<unsigned char>(b);
                out.append("\\'");
                out.append(char(HexDigits[v >> 4] | 0x20));
                out.append(char(HexDigits[v & 0xF] | 0x20));
            }
        } else {
            out.append(bytes);
        }
        i += len;
    }
    return out;
}

QString WorkRtfPath(const QString &sysFolder)
{
    return sysFolder + QStringLiteral("/Work.rtf");
}

WriteResult WriteWorkRtf(const QString &sysFolder, int charset, int size, QStringView text,
                         const QString &fontName, QByteArray *bytes)
{
    QByteArray data = RtfDocumentBytes(BuildRtfDocument(charset, size, text, fontName));
    data.append("\r\n");
    WriteResult result = WriteFileBytes(WorkRtfPath(sysFolder), data);
    if (bytes)
        *bytes = std::move(data);
    return result;
}
