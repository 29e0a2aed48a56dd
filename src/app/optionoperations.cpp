#include "optionoperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dialogs.h"
#include "textfile.h"
#include "filetrash.h"
#include "folders.h"
#include "settings.h"

namespace {

QStringList installedFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

QStringList SampleRemovalFolderNames()
{
    return {QStringLiteral("bookA"),    QStringLiteral("EnglishA"), QStringLiteral("FrenchA"),
            QStringLiteral("GermanA"),  QStringLiteral("SpanishA"), QStringLiteral("ItalianA"),
            QStringLiteral("PortugueseA")};
}

bool ResetCustomisation(const AppFolders &folders, Dialogs &dialogs)
{
    if (!dialogs.confirm(QStringLiteral("初期化するには一旦終了し再起動す必要があります。今、終了"
                                        "しますがよろしいですか？")))
        return false;
    const QString path = folders.SysFolder + u'/' + QString::fromUtf16(SettingsFileName);
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.remove()) {
        dialogs.warning(QStringLiteral("ファイル「%1」を削除できませんでした。\n%2")
                            .arg(QDir::toNativeSeparators(path), SystemErrorText(file.errorString())));
        return false;
    }
    // The preferences of the side file are part of the customisation too.
    QFile::remove(folders.SysFolder + u'/' + QString::fromUtf16(SideSettingsFileName));
    return true;
}

bool UpdateUserTables(const AppFolders &folders, Dialogs &dialogs)
{
    const QString source = folders.SystemTableFolder;
    const QString target = folders.UserTableFolder;
    if (QFileInfo(source).isDir() && QFileInfo(target).isDir()) {
        // The user's edits are replaced, as asked for, but stay in the trash.
        for (const QString &name : installedFiles(source)) {
            const QString mine = target + u'/' + name;
            if (QFileInfo(mine).isFile() && !SameFileBytes(source + u'/' + name, mine))
                DiscardFile(mine);
        }
    }
    if (CopyFolderFiles(source, target, false, false, nullptr) == 0)
        return false;
    dialogs.warning(QStringLiteral("テーブルデータが更新されたので、一旦終了します。\n"
                                   "再起動すると新しいテーブルデータが読込まれます。"));
    return true;
}

QString SampleRemovalQuestion(int count)
{
    return QStringLiteral("カレントの単語帳フォルダに、単語帳ファイルと音声ファイル合わせて") +
           QString::number(count) +
           QStringLiteral("個のサンプルファイルがあります。すべて削除しますか？　（後で復活も可"
                          "能です）");
}

QString SampleRemovalMessage(const SampleRemoval &removal)
{
    QString text = QStringLiteral(
        "カレントの単語帳フォルダからサンプルファイルを削除しました。いつでも復活は可能です。");
    if (!removal.kept.isEmpty())
        text += QStringLiteral("\n\n次のファイルは変更されているため、削除せずに残しました：\n") +
                removal.kept.join(u'\n');
    if (!removal.failed.isEmpty())
        text += QStringLiteral("\n\n") + removal.failed.join(QStringLiteral("\n"));
    return text;
}

SampleRemoval RemoveSampleBooks(const AppFolders &folders, Dialogs &dialogs,
                                const std::function<void()> &afterFolder)
{
    SampleRemoval removal;
    for (const QString &name : SampleRemovalFolderNames()) {
        const QString installed = folders.ProgramFolder + u'/' + name;
        const QStringList files = installedFiles(installed);
        if (files.isEmpty())
            continue;
        const QString mine = folders.documentsFolder(name);
        QStringList present;
        for (const QString &file : files)
            if (QFileInfo(mine + u'/' + file).isFile())
                present.append(file);
        if (!present.isEmpty() && dialogs.confirm(SampleRemovalQuestion(int(present.size())))) {
            for (const QString &file : present) {
                const QString path = mine + u'/' + file;
                // A sample the user has added words to is their work now.
                if (!SameFileBytes(installed + u'/' + file, path)) {
                    removal.kept.append(name + u'/' + file);
                    continue;
                }
                const DiscardResult discarded = DiscardFile(path);
                if (discarded.removed())
                    ++removal.removed;
                else if (discarded.status == DiscardStatus::Failed)
                    removal.failed.append(discarded.errorMessage);
            }
        }
        if (afterFolder)
            afterFolder();
    }
    dialogs.information(SampleRemovalMessage(removal));
    return removal;
}

int RestoreSampleBooks(const AppFolders &folders, Dialogs &dialogs,
                       const std::function<void()> &afterCopy)
{
    int count = 0;
    for (const QString &name : SampleRemovalFolderNames())
        count += CopyFolderFiles(folders.ProgramFolder + u'/' + name, folders.documentsFolder(name),
                                 true, false, &dialogs);
    if (afterCopy)
        afterCopy();
    dialogs.information(QStringLiteral("全サンプルファイルを復活しました。"));
    return count;
}
