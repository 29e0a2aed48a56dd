#include "wordbookfile.h"

#include <QDir>
#include <QFileInfo>

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

bool ParseWordLine(QStringView line, WordEntry *word)
{
    bool unclosedQuote = false;
    QStringList fields = SplitCommaText(line, &unclosedQuote);
    if (fields.size() != WordFieldCount || unclosedQuote)
        return false;
    QString *targets[] = {&word->foreignWord, &word->phoneticSymbols, &word->phoneticKana,
                          &word->japanese, &word->notes};
    for (int i = 0; i < 5; ++i) {
        unescapeInPlace(fields[i]);
        *targets[i] = std::move(fields[i]);
    }
    // The voice file and the colour are taken exactly as stored.
    word->voiceFile = std::move(fields[5]);
    word->textColour = std::move(fields[6]);
    return true;
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
WordBook wordBookFromLines(const Lines &lines, const QString &fileName)
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
        WordEntry word;
        if (ParseWordLine(lines[i], &word))
            book.words.append(std::move(word));
        else
            book.keptLines.append(QStringView(lines[i]).toString());
    }
    return book;
}

} // namespace

WordBook WordBookFromLines(const QStringList &lines, const QString &fileName)
{
    return wordBookFromLines(lines, fileName);
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
        result.book = wordBookFromLines(lines.lines, fileName);
    return result;
}

WriteResult SaveWordBook(const QString &folder, const WordBook &book)
{
    if (book.fileName.isEmpty())
        return {};
    return WriteUnicodeFile(WordBookPath(folder, book.fileName), WordBookLines(book));
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
