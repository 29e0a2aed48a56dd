#include "editorbook.h"

#include <QFileInfo>

#include "splitcommatext.h"

EditorBookLoadResult LoadEditorBook(const QString &folder, const QString &fileName)
{
    EditorBookLoadResult result;
    const QString path = WordBookPath(folder, fileName);
    const QFileInfo info(path);
    if (!info.exists())
        return result;
    TextLines lines;
    if (!info.isFile()) {
        result.status = WordBookStatus::ReadFailed;
        result.errorMessage = ReadFailureMessage(path, QStringLiteral("ファイルではありません。"));
        return result;
    }
    if (!ReadTextLines(path, TextFileKind::Unicode, &lines, &result.errorMessage)) {
        result.status = WordBookStatus::ReadFailed;
        return result;
    }
    if (lines.lines.size() < WordBookHeaderLines) {
        result.status = WordBookStatus::NotWordBook;
        return result;
    }
    result.status = WordBookStatus::Loaded;
    result.book = EditorBookFromLines(lines.lines);
    return result;
}

EditorBook EditorBookFromLines(const QList<QStringView> &lines)
{
    EditorBook book;
    if (lines.size() < WordBookHeaderLines)
        return book;
    book.title = lines[0].toString();
    book.group = lines[1].toString();
    book.voiceFolder = lines[2].toString();
    book.rows.reserve(lines.size() - WordBookHeaderLines);
    for (qsizetype i = WordBookHeaderLines; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        bool unclosed = false;
        QStringList fields = SplitCommaText(line, &unclosed);
        if (fields.size() != WordFieldCount || unclosed) {
            book.keptLines.append(line.toString());
            continue;
        }
        EditorRow row;
        for (int f = 0; f < WordFieldCount; ++f)
            row[f] = std::move(fields[f]);
        book.rows.append(std::move(row));
    }
    return book;
}

QString StoredCellText(QStringView typed)
{
    QString out;
    out.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c == u'"') {
            out.append(QStringLiteral("#$22"));
        } else if (c == u'\r' || c == u'\n') {
            out.append(QStringLiteral("#$0D"));
            if (c == u'\r' && i + 1 < typed.size() && typed[i + 1] == u'\n')
                ++i;
        } else if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out.append(QStringLiteral("#$0D"));
        } else if (!c.isNull()) {
            out.append(c);
        }
    }
    return out;
}

bool IsBlankEditorRow(const EditorRow &row)
{
    for (const QString &cell : row) {
        if (!QStringView(cell).trimmed().isEmpty())
            return false;
    }
    return true;
}

QStringList EditorBookLines(const EditorBook &book)
{
    QStringList lines;
    lines.reserve(WordBookHeaderLines + book.rows.size() + book.keptLines.size());
    lines.append(HeaderLine(book.title));
    lines.append(HeaderLine(book.group));
    lines.append(HeaderLine(book.voiceFolder));
    QString line;
    for (const EditorRow &row : book.rows) {
        if (IsBlankEditorRow(row))
            continue;
        line.clear();
        for (int f = 0; f < WordFieldCount; ++f) {
            if (f)
                line.append(u',');
            line.append(u'"');
            line.append(StoredCellText(QStringView(row[f]).trimmed()));
            line.append(u'"');
        }
        lines.append(line);
    }
    lines.append(book.keptLines);
    return lines;
}

WriteResult SaveEditorBook(const QString &folder, const QString &fileName, const EditorBook &book)
{
    if (fileName.isEmpty())
        return {};
    return WriteUnicodeFile(WordBookPath(folder, fileName), EditorBookLines(book));
}
