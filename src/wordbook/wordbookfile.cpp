#include "wordbookfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

#include "splitcommatext.h"

namespace {

const QString kCrCode = QStringLiteral("#$0D");
const QString kQuoteCode = QStringLiteral("#$22");

void appendEscaped(QString &out, QStringView field)
{
    const char16_t *p = field.utf16();
    const char16_t *end = p + field.size();
    const char16_t *run = p;
    for (; p < end; ++p) {
        const char16_t c = *p;
        if (c != u'\r' && c != u'\n' && c != u'"')
            continue;
        out.append(QStringView(run, p));
        if (c == u'\r')
            out.append(kCrCode);
        else if (c == u'"')
            out.append(kQuoteCode);
        run = p + 1;
    }
    out.append(QStringView(run, end));
}

void unescapeInPlace(QString &field)
{
    if (!field.contains(u'#'))
        return;
    field.replace(kCrCode, QStringLiteral("\r\n"));
    field.replace(kQuoteCode, QStringLiteral("\""));
}

} // namespace

QString EscapeField(QStringView field)
{
    QString out;
    out.reserve(field.size());
    appendEscaped(out, field);
    return out;
}

QString UnescapeField(QStringView field)
{
    QString out = field.toString();
    unescapeInPlace(out);
    return out;
}

QStringList WordFields(const WordEntry &word)
{
    return {word.foreignWord, word.phoneticSymbols, word.phoneticKana, word.japanese,
            word.notes,       word.voiceFile,       word.textColour};
}

QString WordLine(const WordEntry &word)
{
    QString line;
    const QStringList fields = WordFields(word);
    qsizetype size = WordFieldCount * 3;
    for (const QString &f : fields)
        size += f.size();
    line.reserve(size);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            line.append(u',');
        line.append(u'"');
        appendEscaped(line, fields[i]);
        line.append(u'"');
    }
    return line;
}

namespace {

// Fields 1 to 5 hold "#$0D" for a line break and "#$22" for a quote; the voice file and
// the colour can hold only the quote, which is escaped on every save.
QString unescapedField(QStringView stored, bool lineBreaks)
{
    QString out = stored.toString();
    if (lineBreaks)
        out.replace(kCrCode, QStringLiteral("\r\n"));
    out.replace(kQuoteCode, QStringLiteral("\""));
    return out;
}

bool hasEscapeCode(QStringView field)
{
    for (qsizetype i = 0; i + 1 < field.size(); ++i) {
        if (field[i] == u'#' && field[i + 1] == u'$')
            return true;
    }
    return false;
}

// owner, when given, is the decoded text that line points into, and it belongs to the
// loader alone. Fields that read as stored share its memory, so a book of many thousand
// words costs one allocation instead of seven per word: once the line is read, the
// character after each shared field (a quote, comma or line break) becomes the NUL that
// Qt expects after a string's last character.
bool parseWordLine(QStringView line, QString *owner, WordEntry *word)
{
    QString *targets[WordFieldCount] = {&word->foreignWord, &word->phoneticSymbols,
                                        &word->phoneticKana, &word->japanese,
                                        &word->notes,       &word->voiceFile,
                                        &word->textColour};
    QArrayData *shared = owner ? owner->data_ptr().d_ptr() : nullptr;
    int count = 0;
    int sharing = 0;
    char16_t *ends[WordFieldCount];
    const bool unclosed = ForEachCommaField(line, CommaNul::IsText, [&](const CommaField &f) {
        const int i = count++;
        // An empty field leaves the word's field as it was made: null.
        if (i >= WordFieldCount || f.text.isEmpty())
            return;
        if (f.doubledQuotes) {
            *targets[i] = unescapedField(CommaFieldText(f), i < 5);
        } else if (f.hash && hasEscapeCode(f.text)) {
            *targets[i] = unescapedField(f.text, i < 5);
        } else if (shared) {
            char16_t *begin = const_cast<char16_t *>(f.text.utf16());
            targets[i]->data_ptr() = QString::DataPointer(
                static_cast<QTypedArrayData<char16_t> *>(shared), begin, f.text.size());
            ends[sharing++] = begin + f.text.size();
        } else {
            *targets[i] = f.text.toString();
        }
    });
    // The references of the line's shared fields to the text are taken at once, before
    // anything can drop one (a line that is no word is dropped whole): one atomic add per
    // field would cost more than reading it.
    if (sharing)
        shared->ref_.fetchAndAddRelaxed(sharing);
    if (count != WordFieldCount || unclosed)
        return false;
    // Only now, with the line read and kept as a word, do the terminators become NULs.
    for (int i = 0; i < sharing; ++i)
        *ends[i] = 0;
    return true;
}

} // namespace

bool ParseWordLine(QStringView line, WordEntry *word)
{
    return parseWordLine(line, nullptr, word);
}

QString HeaderLine(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\r' || c == u'\n') {
            // A header line that held a break would shift every later line of the file.
            out.append(u' ');
            if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QStringList WordBookLines(const WordBook &book)
{
    QStringList lines;
    lines.reserve(WordBookHeaderLines + StoredLineCount(book));
    lines.append(HeaderLine(book.title));
    lines.append(HeaderLine(book.group));
    lines.append(HeaderLine(book.voiceFolder));
    for (const WordEntry &word : book.words)
        lines.append(WordLine(word));
    for (const QString &kept : book.keptLines)
        lines.append(kept);
    return lines;
}

namespace {

template <typename Lines>
WordBook wordBookFromLines(const Lines &lines, QString *owner, const QString &fileName)
{
    WordBook book;
    book.fileName = fileName;
    const auto line = [&](qsizetype i) {
        return i < lines.size() ? QStringView(lines[i]).toString() : QString();
    };
    book.title = line(0);
    book.group = line(1);
    book.voiceFolder = line(2);
    book.words.reserve(qMax<qsizetype>(0, lines.size() - WordBookHeaderLines));
    for (qsizetype i = WordBookHeaderLines; i < lines.size(); ++i) {
        WordEntry &word = book.words.emplace_back();
        if (!parseWordLine(lines[i], owner, &word)) {
            book.words.removeLast();
            book.keptLines.append(QStringView(lines[i]).toString());
        }
    }
    return book;
}

} // namespace

WordBook WordBookFromLines(const QStringList &lines, const QString &fileName)
{
    return wordBookFromLines(lines, nullptr, fileName);
}

QString WordBookPath(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty() || QDir::isAbsolutePath(fileName))
        return fileName;
    return QDir(folder).filePath(fileName);
}

namespace {

// The lines of a word-book file, or why there are none.
WordBookStatus readBookLines(const QString &path, TextLines *lines, QString *errorMessage)
{
    const QFileInfo info(path);
    if (!info.exists())
        return WordBookStatus::Missing;
    if (!info.isFile()) {
        *errorMessage = ReadFailureMessage(path, QStringLiteral("ファイルではありません。"));
        return WordBookStatus::ReadFailed;
    }
    // Lines cut from the file's text without copying: a book may hold many thousand words.
    if (!ReadTextLines(path, TextFileKind::Unicode, lines, errorMessage))
        return WordBookStatus::ReadFailed;
    if (lines->lines.size() < WordBookHeaderLines)
        return WordBookStatus::NotWordBook;
    return WordBookStatus::Loaded;
}

} // namespace

WordBookLoadResult LoadWordBook(const QString &folder, const QString &fileName)
{
    WordBookLoadResult result;
    TextLines lines;
    result.status = readBookLines(WordBookPath(folder, fileName), &lines, &result.errorMessage);
    if (result.ok())
        result.book = wordBookFromLines(lines.lines, &lines.text, fileName);
    return result;
}

namespace {

// The length of a field as EscapeField writes it.
qsizetype escapedSize(QStringView field)
{
    qsizetype size = field.size();
    for (const QChar c : field) {
        const char16_t u = c.unicode();
        size += (u == u'\r' || u == u'"') * 3 - (u == u'\n');
    }
    return size;
}

// EscapeField into memory sized by escapedSize; returns the end.
char16_t *writeEscaped(char16_t *out, QStringView field)
{
    for (const QChar c : field) {
        const char16_t u = c.unicode();
        if (u == u'\r' || u == u'"') {
            const QString &code = u == u'\r' ? kCrCode : kQuoteCode;
            out = std::copy_n(reinterpret_cast<const char16_t *>(code.utf16()), 4, out);
        } else if (u != u'\n') {
            *out++ = u;
        }
    }
    return out;
}

char16_t *writeText(char16_t *out, QStringView text)
{
    return std::copy_n(reinterpret_cast<const char16_t *>(text.utf16()), text.size(), out);
}

} // namespace

WriteResult SaveWordBook(const QString &folder, const WordBook &book)
{
    if (book.fileName.isEmpty())
        return {};
    // The file's text in one string sized beforehand: the same lines as WordBookLines,
    // without a string per line on the way.
    const QString header[] = {HeaderLine(book.title), HeaderLine(book.group),
                              HeaderLine(book.voiceFolder)};
    const auto fieldsOf = [](const WordEntry &w) {
        return std::array<const QString *, WordFieldCount>{
            &w.foreignWord, &w.phoneticSymbols, &w.phoneticKana, &w.japanese,
            &w.notes,       &w.voiceFile,       &w.textColour};
    };
    qsizetype size = 0;
    for (const QString &line : header)
        size += line.size() + 2;
    for (const WordEntry &w : book.words) {
        size += WordFieldCount * 3 + 1;
        for (const QString *f : fieldsOf(w))
            size += escapedSize(*f);
    }
    for (const QString &kept : book.keptLines)
        size += kept.size() + 2;
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const QString &line : header)
        out = writeText(writeText(out, line), u"\r\n");
    for (const WordEntry &w : book.words) {
        bool first = true;
        for (const QString *f : fieldsOf(w)) {
            if (!first)
                *out++ = u',';
            first = false;
            *out++ = u'"';
            out = writeEscaped(out, *f);
            *out++ = u'"';
        }
        out = writeText(out, u"\r\n");
    }
    for (const QString &kept : book.keptLines)
        out = writeText(writeText(out, kept), u"\r\n");
    Q_ASSERT(out == reinterpret_cast<const char16_t *>(text.constData()) + size);
    return WriteUnicodeText(WordBookPath(folder, book.fileName), text);
}

WordBookSummaryResult ReadWordBookSummary(const QString &folder, const QString &fileName)
{
    WordBookSummaryResult result;
    TextLines lines;
    result.status = readBookLines(WordBookPath(folder, fileName), &lines, &result.errorMessage);
    if (result.ok()) {
        result.summary.title = lines.lines[0].toString();
        result.summary.fileName = fileName;
        result.summary.group = lines.lines[1].toString();
        result.summary.count = lines.lines.size() - WordBookHeaderLines;
    }
    return result;
}
