// Finding a character by its name: the Unicode names of the Basic Multilingual Plane
// (from ICU) and the English and Japanese names of the symbol databases, searched
// together. Matching ignores case and width; every word of the query must match.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

struct SymbolDatabase;

struct SymbolNameHit
{
    char16_t code = 0;
    QString unicodeName;  // ICU's name, upper case as Unicode writes it; may be empty
    QString japaneseName; // the first Japanese name a database gives, else empty
    bool operator==(const SymbolNameHit &) const = default;
};

// The Unicode name of a code unit ("LATIN SMALL LETTER SCHWA"); empty for code units
// without one (controls, surrogates, unassigned, private use).
QString UnicodeCharName(char16_t code);

class SymbolNameIndex
{
public:
    // Every named code unit of the BMP.
    void addUnicodeNames();
    // The English and Japanese names of every symbol row with a valid code.
    void addDatabase(const SymbolDatabase &database);
    void clear();
    bool isEmpty() const { return !m_unicode && m_names.empty(); }

    // Up to limit distinct characters in code order whose names hold every word of the
    // query. A word of ASCII letters and digits matches at the start of a word of the
    // name ("eng" finds ENG and ENGLISH, not LENGTH); any other word matches anywhere
    // ("アキュート"). An empty query finds nothing.
    QList<SymbolNameHit> find(QStringView query, int limit = 100);

    // The folded names in UTF-8, one after another, as searched (for the benchmark's
    // floor).
    QByteArrayView searchText();

private:
    enum class Kind : quint8 { Unicode, English, Japanese };
    struct Entry
    {
        char16_t code = 0;
        Kind kind = Kind::Unicode;
        qint32 name = -1; // the database name as written, in m_names; -1 for Unicode
        quint32 offset = 0; // of the folded name in m_text
        quint32 length = 0;
    };
    struct DatabaseName
    {
        char16_t code = 0;
        Kind kind = Kind::English;
        QString name;
    };
    void settle();
    void append(char16_t code, Kind kind, qint32 name, QByteArrayView folded);
    bool entryMatches(const Entry &e, const QList<QByteArrayView> &words) const;
    QString japaneseNameOf(char16_t code) const;

    bool m_unicode = false;
    bool m_dirty = false;
    std::vector<DatabaseName> m_names;
    std::vector<Entry> m_entries; // in code order, offsets rising
    QByteArray m_text;            // the folded names in UTF-8, each followed by "\n"
};

// The text names are compared in: compatibility forms folded (full-width letters,
// half-width katakana), case folded, every run of blanks one space.
QString FoldSymbolName(QStringView name);
