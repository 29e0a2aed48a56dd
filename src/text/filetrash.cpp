#include "filetrash.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

DiscardResult DiscardFile(const QString &path)
{
    DiscardResult result;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result;
    // The trash lives in the data home; a home without one would otherwise lose the
    // file to the fallback below.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (QFile::moveToTrash(path, &inTrash)) {
        result.status = DiscardStatus::Trashed;
        result.pathInTrash = inTrash;
        return result;
    }
    // moveToTrash fails where the file system offers no trash folder the user may
    // write; there the file is erased, as it would be without a desktop.
    QFile file(path);
    if (file.remove()) {
        result.status = DiscardStatus::Erased;
        return result;
    }
    result.status = DiscardStatus::Failed;
    result.errorMessage = QStringLiteral("ファイル「%1」を削除できませんでした。\n%2")
                              .arg(QDir::toNativeSeparators(path), SystemErrorText(file.errorString()));
    return result;
}

bool SameFileBytes(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    if (fa.size() != fb.size())
        return false;
    constexpr qint64 Chunk = 1 << 16;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(Chunk);
        const QByteArray y = fb.read(Chunk);
        if (x != y)
            return false;
        if (x.isEmpty())
            break;
    }
    return fb.atEnd();
}

bool IsSaveLeftoverName(const QString &fileName, const QStringList &suffixes)
{
    // QSaveFile's temporary name is the final name plus ".XXXXXX".
    constexpr qsizetype Random = 6;
    if (fileName.size() < Random + 3 || fileName[fileName.size() - Random - 1] != u'.')
        return false;
    for (qsizetype i = fileName.size() - Random; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    const QString target = fileName.first(fileName.size() - Random - 1);
    const qsizetype dot = target.lastIndexOf(u'.');
    if (dot <= 0)
        return false;
    return suffixes.contains(target.sliced(dot + 1), Qt::CaseInsensitive);
}

LeftoverCleanup DiscardSaveLeftovers(const QStringList &folders, const QStringList &suffixes)
{
    LeftoverCleanup result;
    QStringList seen;
    for (const QString &folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen.append(canonical);
        const QFileInfoList entries =
            QDir(canonical).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo &entry : entries) {
            if (entry.isSymLink() || !IsSaveLeftoverName(entry.fileName(), suffixes))
                continue;
            const DiscardResult discarded = DiscardFile(entry.filePath());
            if (discarded.removed())
                ++result.discarded;
            else if (discarded.status == DiscardStatus::Failed)
                result.failedPaths.append(entry.filePath());
        }
    }
    return result;
}
