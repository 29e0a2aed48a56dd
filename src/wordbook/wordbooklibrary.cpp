#include "wordbooklibrary.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "filetrash.h"
#include "sortbykeys.h"

WordBookScanResult ScanWordBookFolder(const QString &folder, const QLocale &locale)
{
    WordBookScanResult result;
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return result;
    // "*.utx" in any letter case, as on the desktop the books come from.
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &name : names) {
        if (!name.endsWith(QStringLiteral(".utx"), Qt::CaseInsensitive))
            continue;
        const WordBookSummaryResult read = ReadWordBookSummary(folder, name);
        if (read.ok())
            result.rows.append(read.summary);
        else if (read.status == WordBookStatus::ReadFailed)
            result.errorMessages.append(read.errorMessage);
    }

    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::sort(result.rows.begin(), result.rows.end(),
              [&](const WordBookSummary &a, const WordBookSummary &b) {
                  const int c = collator.compare(a.title, b.title);
                  if (c != 0)
                      return c < 0;
                  return a.fileName < b.fileName;
              });
    return result;
}

void SortWordBookList(QList<WordBookSummary> &rows, int column, int direction,
                      const QLocale &locale)
{
    if (column < 0 || column >= WordBookSortColumns || rows.size() < 2)
        return;
    // The lower-cased titles once per row, not once per comparison.
    QStringList keys;
    keys.reserve(rows.size());
    for (const WordBookSummary &row : rows) {
        switch (column) {
        case BookTitleColumn:
            keys.append(locale.toLower(row.title));
            break;
        case BookFileColumn:
            keys.append(row.fileName);
            break;
        default:
            keys.append(row.group);
            break;
        }
    }
    SortRowsByKeys(rows, keys, direction);
}

bool WordBookListSort::clickColumn(QList<WordBookSummary> &rows, int column, const QLocale &locale)
{
    if (column < 0 || column >= WordBookSortColumns)
        return false;
    directions[column] = -directions[column];
    SortWordBookList(rows, column, directions[column], locale);
    return true;
}

void WordBookListSort::sortByGroup(QList<WordBookSummary> &rows, const QLocale &locale) const
{
    SortWordBookList(rows, BookGroupColumn, directions[BookGroupColumn], locale);
}

int FindWordBookRow(const QList<WordBookSummary> &rows, const QString &fileName)
{
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (rows[i].fileName == fileName)
            return int(i);
    return -1;
}

int UpdateWordBookCount(QList<WordBookSummary> &rows, const QString &fileName, qsizetype count)
{
    int changed = 0;
    for (WordBookSummary &row : rows) {
        if (row.fileName == fileName) {
            row.count = count;
            ++changed;
        }
    }
    return changed;
}

QString ProposedWordBookFileName(const QString &title)
{
    QString name = title;
    for (QChar &c : name)
        if (c == u'/' || c.unicode() < 0x20)
            c = u'_';
    return name + QStringLiteral(".utx");
}

WordBook NewWordBook(const QString &fileName, const QString &title, const QString &group,
                     const QString &voiceFolder)
{
    WordBook book;
    book.fileName = fileName;
    book.title = title.trimmed();
    book.group = group;
    book.voiceFolder = voiceFolder.trimmed();
    return book;
}

CreateWordBookResult CreateWordBookFile(const QString &path, const WordBook &header,
                                        bool replaceExisting)
{
    CreateWordBookResult result;
    const QFileInfo info(path);
    if (info.exists() && (!replaceExisting || !info.isFile())) {
        if (info.isFile()) {
            result.status = CreateStatus::Exists;
        } else {
            result.status = CreateStatus::Failed;
            result.errorMessage =
                WriteFailureMessage(path, QStringLiteral("同じ名前のフォルダがあります。"));
        }
        return result;
    }
    WordBook book = header;
    book.fileName = info.fileName();
    book.words.clear();
    book.keptLines.clear();
    const WriteResult written = SaveWordBook(info.absolutePath(), book);
    result.status = written.ok ? CreateStatus::Created : CreateStatus::Failed;
    result.errorMessage = written.errorMessage;
    return result;
}

QString ReplaceWordBookQuestion(const QString &path)
{
    return QStringLiteral("「%1」は既にあります。置き換えると、この単語帳の単語はすべて失われます。"
                          "置き換えますか？")
        .arg(QFileInfo(path).fileName());
}

bool ApplyWordBookProperties(WordBook &book, const QString &title, const QString &group,
                             const QString &voiceFolder)
{
    const QString trimmedTitle = title.trimmed();
    if (trimmedTitle.isEmpty())
        return false;
    book.title = trimmedTitle;
    book.group = group;
    book.voiceFolder = voiceFolder.trimmed();
    return true;
}

PropertyChangeResult ChangeWordBookProperties(const QString &folder, WordBook &book,
                                              const QString &title, const QString &group,
                                              const QString &voiceFolder)
{
    PropertyChangeResult result;
    WordBook changed = book;
    if (!ApplyWordBookProperties(changed, title, group, voiceFolder))
        return result;
    const WriteResult written = SaveWordBook(folder, changed);
    if (!written.ok) {
        result.status = PropertyChange::WriteFailed;
        result.errorMessage = written.errorMessage;
        return result;
    }
    book = std::move(changed);
    result.status = PropertyChange::Changed;
    return result;
}

QString EmptyTitleWarning()
{
    return QStringLiteral("単語帳には必ずタイトルが必要です。タイトルは入力して下さい。");
}

DeleteWordBookResult DeleteWordBookFile(const QString &folder, const QString &fileName)
{
    DeleteWordBookResult result;
    const QString path = WordBookPath(folder, fileName);
    if (fileName.isEmpty() || !QFileInfo(path).isFile()) {
        result.status = DeleteStatus::Missing;
        return result;
    }
    // Into the desktop trash: a book deleted by mistake can be taken back.
    const DiscardResult discarded = DiscardFile(path);
    if (!discarded.removed()) {
        result.status = DeleteStatus::Failed;
        result.errorMessage = discarded.errorMessage;
        return result;
    }
    result.status = DeleteStatus::Deleted;
    return result;
}
