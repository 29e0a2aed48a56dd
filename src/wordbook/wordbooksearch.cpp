#include "wordbooksearch.h"

#include <QDir>

#include <unicode/ucol.h>
#include <unicode/usearch.h>

#include "splitcommatext.h"
#include "textfile.h"
#include "wordbookfile.h"

QString SearchHit::numberText() const
{
    return exact ? u'*' + QString::number(number) : QString::number(number);
}

struct SearchMatcher::Loose
{
    UCollator *collator = nullptr;
    UStringSearch *search = nullptr;
    ~Loose()
    {
        if (search)
            usearch_close(search);
        if (collator)
            ucol_close(collator);
    }
};

SearchMatcher::SearchMatcher(const QString &query, bool loose) : m_query(query), m_loose(loose)
{
    if (!loose || query.isEmpty())
        return;
    auto icu = std::make_unique<Loose>();
    UErrorCode status = U_ZERO_ERROR;
    // The root order: primary strength makes é = e = E and ß = ss in every language.
    icu->collator = ucol_open("", &status);
    if (U_SUCCESS(status))
        ucol_setStrength(icu->collator, UCOL_PRIMARY);
    static const UChar placeholder[] = {u' '};
    if (U_SUCCESS(status))
        icu->search = usearch_openFromCollator(reinterpret_cast<const UChar *>(query.utf16()),
                                               int32_t(query.size()), placeholder, 1,
                                               icu->collator, nullptr, &status);
    if (U_SUCCESS(status))
        m_icu = std::move(icu);
    else
        m_loose = false; // without ICU's data the exact comparison still finds something
}

SearchMatcher::~SearchMatcher() = default;

qsizetype SearchMatcher::find(QStringView text, qsizetype from) const
{
    if (m_query.isEmpty() || from >= text.size())
        return -1;
    if (!m_loose)
        return text.indexOf(m_query, from);
    UErrorCode status = U_ZERO_ERROR;
    usearch_setText(m_icu->search, reinterpret_cast<const UChar *>(text.utf16()),
                    int32_t(text.size()), &status);
    if (U_FAILURE(status))
        return -1;
    const int32_t at = from > 0 ? usearch_following(m_icu->search, int32_t(from), &status)
                                : usearch_first(m_icu->search, &status);
    return U_FAILURE(status) || at == USEARCH_DONE ? -1 : qsizetype(at);
}

void SearchWordBookLines(const TextLines &lines, int field, const SearchMatcher &matcher,
                         QList<SearchHit> *hits)
{
    const QList<QStringView> &views = lines.lines;
    if (views.size() <= WordBookHeaderLines || field < 0 || field >= WordFieldCount)
        return;
    const QString &query = matcher.query();
    const QStringView text(lines.text);
    const char16_t *base = text.utf16();
    // Fields are pieces of their line, so a field holding the query holds it in the line
    // too; only a doubled quote inside a field breaks that, and only for a query with a
    // quote, which is then looked for line by line.
    const bool wholeText = !query.contains(u'"');
    QString title;
    qsizetype i = WordBookHeaderLines;
    while (i < views.size()) {
        if (wholeText) {
            const qsizetype from = views[i].utf16() - base;
            const qsizetype at = matcher.find(text, from);
            if (at < 0)
                return;
            const char16_t *p = base + at;
            while (i + 1 < views.size() && views[i + 1].utf16() <= p)
                ++i;
        }
        const QStringView line = views[i];
        const qsizetype number = i - (WordBookHeaderLines - 1);
        ++i;
        const QStringList fields = SplitCommaText(line);
        if (fields.size() != WordFieldCount)
            continue;
        const QString &f = fields[field];
        const bool exact = f == query;
        if (!exact && !matcher.contains(f))
            continue;
        if (title.isNull())
            title = views[0].toString();
        SearchHit hit{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5],
                      fields[6], title,     int(number), exact};
        hits->append(std::move(hit));
    }
}

WordBookSearchResult SearchWordBooks(const QString &folder, int field, const QString &query,
                                     bool loose)
{
    WordBookSearchResult result;
    if (query.isEmpty() || folder.isEmpty())
        return result;
    const QDir dir(folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    const SearchMatcher matcher(query, loose);
    for (const QString &name : names) {
        if (!name.endsWith(QStringLiteral(".utx"), Qt::CaseInsensitive))
            continue;
        TextLines lines;
        QString error;
        if (!ReadTextLines(dir.filePath(name), TextFileKind::Unicode, &lines, &error)) {
            result.unreadableFiles.append(name);
            continue;
        }
        SearchWordBookLines(lines, field, matcher, &result.hits);
    }
    return result;
}
