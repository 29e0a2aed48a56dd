#include "symbolsearch.h"

#include <algorithm>
#include <cstring>

#include <unicode/uchar.h>

#include "symboldb.h"

namespace {

// ICU's name of one kind for a code point, upper-case ASCII; empty when it has none.
int icuName(UChar32 code, UCharNameChoice choice, char *buffer, int size)
{
    UErrorCode status = U_ZERO_ERROR;
    const int length = u_charName(code, choice, buffer, size, &status);
    return U_SUCCESS(status) && length < size ? length : 0;
}

bool isAsciiAlnum(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool isAsciiWord(QByteArrayView word)
{
    return std::all_of(word.begin(), word.end(), isAsciiAlnum);
}

// memmem: far quicker than a general search on a text of over a million bytes. A valid
// UTF-8 word is found only where a character begins.
qsizetype findIn(QByteArrayView text, QByteArrayView word, qsizetype from)
{
    if (from > text.size())
        return -1;
    const void *at = memmem(text.data() + from, size_t(text.size() - from), word.data(),
                            size_t(word.size()));
    return at ? static_cast<const char *>(at) - text.data() : -1;
}

// A word of ASCII letters and digits must begin where a word of the name begins.
bool wordMatches(QByteArrayView name, QByteArrayView word)
{
    const bool atWordStart = isAsciiWord(word);
    for (qsizetype at = findIn(name, word, 0); at >= 0; at = findIn(name, word, at + 1)) {
        if (!atWordStart || at == 0 || !isAsciiAlnum(name[at - 1]))
            return true;
    }
    return false;
}

} // namespace

QString FoldSymbolName(QStringView name)
{
    const QString folded = name.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
    return folded.simplified();
}

QString UnicodeCharName(char16_t code)
{
    char buffer[128];
    const int length = icuName(code, U_UNICODE_CHAR_NAME, buffer, sizeof buffer);
    return QString::fromLatin1(buffer, length);
}

void SymbolNameIndex::addUnicodeNames()
{
    m_unicode = true;
    m_dirty = true;
}

void SymbolNameIndex::addDatabase(const SymbolDatabase &database)
{
    for (const SymbolRecord &r : database.records) {
        if (r.glyph.size() != 1)
            continue;
        const char16_t code = r.glyph.at(0).unicode();
        if (!r.englishName.isEmpty())
            m_names.push_back({code, Kind::English, r.englishName});
        if (!r.japaneseName.isEmpty())
            m_names.push_back({code, Kind::Japanese, r.japaneseName});
    }
    m_dirty = true;
}

void SymbolNameIndex::clear()
{
    m_unicode = false;
    m_dirty = false;
    m_names.clear();
    m_entries.clear();
    m_text.clear();
}

void SymbolNameIndex::append(char16_t code, Kind kind, qint32 name, QByteArrayView folded)
{
    if (folded.isEmpty())
        return;
    m_entries.push_back({code, kind, name, quint32(m_text.size()), quint32(folded.size())});
    m_text.append(folded);
    m_text.append(u'\n');
}

void SymbolNameIndex::settle()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    std::stable_sort(m_names.begin(), m_names.end(),
                     [](const DatabaseName &a, const DatabaseName &b) { return a.code < b.code; });
    m_entries.clear();
    m_text.clear();
    if (m_unicode) {
        // About 55,000 names of 25 characters on average.
        m_entries.reserve(60000 + m_names.size());
        m_text.reserve(1600000);
    }
    char buffer[128];
    auto next = m_names.cbegin();
    for (UChar32 code = 0; code <= 0xFFFF; ++code) {
        if (m_unicode && u_charType(code) != U_CONTROL_CHAR) {
            for (UCharNameChoice choice : {U_UNICODE_CHAR_NAME, U_CHAR_NAME_ALIAS}) {
                const int length = icuName(code, choice, buffer, sizeof buffer);
                // ICU's names are upper-case ASCII: folding is lowering.
                for (int i = 0; i < length; ++i)
                    if (buffer[i] >= 'A' && buffer[i] <= 'Z')
                        buffer[i] = char(buffer[i] - 'A' + 'a');
                append(char16_t(code), Kind::Unicode, -1, QByteArrayView(buffer, length));
            }
        }
        for (; next != m_names.cend() && next->code == code; ++next)
            append(char16_t(code), next->kind, qint32(next - m_names.cbegin()),
                   FoldSymbolName(next->name).toUtf8());
    }
}

QByteArrayView SymbolNameIndex::searchText()
{
    settle();
    return m_text;
}

bool SymbolNameIndex::entryMatches(const Entry &e, const QList<QByteArrayView> &words) const
{
    const QByteArrayView name = QByteArrayView(m_text).sliced(e.offset, e.length);
    return std::all_of(words.begin(), words.end(),
                       [name](QByteArrayView w) { return wordMatches(name, w); });
}

QString SymbolNameIndex::japaneseNameOf(char16_t code) const
{
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), code,
                                        [](const Entry &e, char16_t c) { return e.code < c; });
    for (auto it = first; it != m_entries.end() && it->code == code; ++it)
        if (it->kind == Kind::Japanese)
            return m_names[it->name].name;
    return QString();
}

QList<SymbolNameHit> SymbolNameIndex::find(QStringView query, int limit)
{
    settle();
    QList<SymbolNameHit> hits;
    const QByteArray folded = FoldSymbolName(query).toUtf8();
    QList<QByteArrayView> words;
    for (qsizetype start = 0; start < folded.size();) {
        qsizetype end = folded.indexOf(' ', start);
        if (end < 0)
            end = folded.size();
        if (end > start)
            words.append(QByteArrayView(folded).sliced(start, end - start));
        start = end + 1;
    }
    if (words.isEmpty() || m_entries.empty())
        return hits;
    // The longest word has the fewest places to check.
    const QByteArrayView scanner = *std::max_element(
        words.begin(), words.end(),
        [](QByteArrayView a, QByteArrayView b) { return a.size() < b.size(); });

    const QByteArrayView text(m_text);
    qsizetype from = 0;
    while (hits.size() < limit) {
        const qsizetype at = findIn(text, scanner, from);
        if (at < 0)
            break;
        const auto after =
            std::upper_bound(m_entries.begin(), m_entries.end(), quint32(at),
                             [](quint32 offset, const Entry &e) { return offset < e.offset; });
        const Entry &e = *(after - 1);
        const bool known = !hits.isEmpty() && hits.constLast().code == e.code;
        if (!known && entryMatches(e, words))
            hits.append({e.code, UnicodeCharName(e.code), japaneseNameOf(e.code)});
        from = qsizetype(e.offset) + e.length + 1;
    }
    return hits;
}
