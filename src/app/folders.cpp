#include "folders.h"

#include "dialogs.h"
#include "filetrash.h"
#include "folderroots.h"
#include "settings.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kVendor = QStringLiteral("/Kestrane/VelmorUC");

bool ensureFolder(const QString &path)
{
    return !path.isEmpty() && (QFileInfo(path).isDir() || QDir().mkpath(path));
}

} // namespace

QString AppFolders::documentsFolder(const QString &name) const
{
    return DocumentsRoot + u'/' + name;
}

const QList<LanguageFolders> &Languages()
{
    static const QList<LanguageFolders> languages = {
        {QStringLiteral("欧　文"), QStringLiteral("bookA"), QStringLiteral("bookG"), QString()},
        {QStringLiteral("英　語"), QStringLiteral("EnglishA"), QStringLiteral("EnglishG"),
         QStringLiteral("en_US")},
        {QStringLiteral("フランス語"), QStringLiteral("FrenchA"), QStringLiteral("FrenchG"),
         QStringLiteral("fr_FR")},
        {QStringLiteral("ドイツ語"), QStringLiteral("GermanA"), QStringLiteral("GermanG"),
         QStringLiteral("de_DE")},
        {QStringLiteral("スペイン語"), QStringLiteral("SpanishA"), QStringLiteral("SpanishG"),
         QStringLiteral("es_ES")},
        {QStringLiteral("イタリア語"), QStringLiteral("ItalianA"), QStringLiteral("ItalianG"),
         QStringLiteral("it_IT")},
        {QStringLiteral("ﾎﾟﾙﾄｶﾞﾙ語"), QStringLiteral("PortugueseA"),
         QStringLiteral("PortugueseG"), QStringLiteral("pt_PT")},
    };
    return languages;
}

const LanguageFolders &LanguageFor(const QString &selectLang)
{
    for (const LanguageFolders &l : Languages())
        if (l.language == selectLang)
            return l;
    return Languages().first();
}

QStringList SampleFolderNames()
{
    return {QStringLiteral("bookA"),   QStringLiteral("bookG"),      QStringLiteral("EnglishA"),
            QStringLiteral("FrenchA"), QStringLiteral("GermanA"),    QStringLiteral("SpanishA"),
            QStringLiteral("ItalianA"), QStringLiteral("PortugueseA")};
}

AppFolders ResolveFolders(const FolderRoots &roots)
{
    AppFolders f;
    f.ProgramFolder = roots.programFilesRoot() + kVendor;
    f.DataRoot = roots.appDataRoot() + kVendor;
    f.SysFolder = f.DataRoot + QStringLiteral("/Sys");
    f.UserTableFolder = f.DataRoot + QStringLiteral("/Tbl");
    f.SystemTableFolder = f.ProgramFolder + QStringLiteral("/Tbl");
    f.TableFolder = f.UserTableFolder;
    f.DocumentsRoot = roots.documentsFolder() + kVendor;
    f.UserTextFolder = f.DocumentsRoot + QStringLiteral("/usr");
    f.WordBookFolder = f.documentsFolder(QStringLiteral("bookA"));
    f.DictionaryFolder = f.documentsFolder(QStringLiteral("bookG"));
    return f;
}

void CreateFolders(const AppFolders &f, Dialogs &dialogs)
{
    const struct
    {
        QString path;
        QString failure;
    } main[] = {
        {f.SysFolder, QStringLiteral("システムフォルダが作れませんでした。")},
        {f.UserTableFolder, QStringLiteral("ユーザーテーブルフォルダが作れませんでした。")},
        {f.documentsFolder(QStringLiteral("bookA")),
         QStringLiteral("欧文　単語帳フォルダが作れませんでした。")},
        {f.documentsFolder(QStringLiteral("bookG")),
         QStringLiteral("欧文　辞書フォルダが作れませんでした。")},
        {f.UserTextFolder, QStringLiteral("ユーザーテキストフォルダが作れませんでした。")},
    };
    for (const auto &folder : main)
        if (!ensureFolder(folder.path))
            dialogs.warning(folder.failure);

    for (const LanguageFolders &l : Languages().mid(1)) {
        ensureFolder(f.documentsFolder(l.wordBook));
        ensureFolder(f.documentsFolder(l.dictionary));
    }
}

void ChooseTableFolder(AppFolders &folders, bool sysTblFlg)
{
    folders.TableFolder = sysTblFlg ? folders.SystemTableFolder : folders.UserTableFolder;
}

void ChooseLanguageFolders(AppFolders &folders, const QString &selectLang)
{
    const LanguageFolders &l = LanguageFor(selectLang);
    folders.WordBookFolder = folders.documentsFolder(l.wordBook);
    folders.DictionaryFolder = folders.documentsFolder(l.dictionary);
}

QStringList WrittenFolders(const AppFolders &f)
{
    QStringList folders{f.SysFolder, f.UserTableFolder, f.DocumentsRoot};
    const QFileInfoList below =
        QDir(f.DocumentsRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : below)
        folders.append(info.filePath());
    return folders;
}

QString DiscardLeftoversAtStart(const AppFolders &folders, const QStringList &extraFolders)
{
    // Word books, tables and lists, settings, Work.rtf, pad texts, HTML lists.
    static const QStringList suffixes{"utx", "csv", "txt", "rng", "rtf", "htm", "html"};
    const LeftoverCleanup cleanup =
        DiscardSaveLeftovers(WrittenFolders(folders) + extraFolders, suffixes);
    QString text;
    if (cleanup.discarded > 0)
        text = QStringLiteral("中断された保存の一時ファイル %1 個をごみ箱へ移しました。")
                   .arg(cleanup.discarded);
    if (!cleanup.failedPaths.isEmpty())
        text += QStringLiteral("中断された保存の一時ファイル「%1」%2を移せませんでした。")
                    .arg(QDir::toNativeSeparators(cleanup.failedPaths.first()),
                         cleanup.failedPaths.size() > 1
                             ? QStringLiteral("ほか %1 個").arg(cleanup.failedPaths.size() - 1)
                             : QString());
    return text;
}

int CopyFolderFiles(const QString &source, const QString &target, bool askBeforeOverwriting,
                    bool keepExisting, Dialogs *dialogs)
{
    if (!QFileInfo(source).isDir() || !QFileInfo(target).isDir())
        return 0;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    int count = 0;
    for (const QFileInfo &entry : entries) {
        const QString to = target + u'/' + entry.fileName();
        const bool exists = QFileInfo::exists(to);
        if (askBeforeOverwriting && exists && dialogs &&
            !dialogs->confirm(u'"' + entry.fileName() + QStringLiteral("\"を上書きしますが、よろしいですか？")))
            continue;
        ++count;
        if (keepExisting && exists)
            continue;
        // Replaced through a save file, so an interrupted copy never leaves half a file.
        QByteArray bytes;
        if (ReadFileBytes(entry.filePath(), &bytes))
            WriteFileBytes(to, bytes);
    }
    return count;
}

QString VersionMarkerName(const QString &versionText)
{
    QString digits = versionText;
    digits.remove(QStringLiteral("Ver"));
    const qsizetype dot = digits.indexOf(u'.');
    if (dot >= 0)
        digits.remove(dot, 1);
    digits = digits.trimmed();
    int number = 999;
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (ok) {
        switch (digits.size()) {
        case 1:
            number = value * 100;
            break;
        case 2:
            number = value * 10;
            break;
        case 3:
            number = value;
            break;
        default:
            break;
        }
    }
    return QStringLiteral("Leaf%1.txt").arg(number);
}

QString VersionMarkerPath(const AppFolders &folders)
{
    return folders.SysFolder + u'/' + VersionMarkerName(QString::fromUtf16(ProgramVersionText));
}

bool IsFirstStartOfVersion(const AppFolders &folders)
{
    return !QFileInfo::exists(VersionMarkerPath(folders));
}

bool RunFirstStartCopy(const AppFolders &f, const Settings &settings, QString *errorMessage)
{
    CopyFolderFiles(f.ProgramFolder + QStringLiteral("/Sys"), f.SysFolder, false, false, nullptr);
    CopyFolderFiles(f.SystemTableFolder, f.UserTableFolder, false, !settings.TblOWFlg, nullptr);
    if (!settings.NoSampleFlg) {
        for (const QString &name : SampleFolderNames())
            CopyFolderFiles(f.ProgramFolder + u'/' + name, f.documentsFolder(name), false, true,
                            nullptr);
    }
    const WriteResult written = WriteAnsiFile(VersionMarkerPath(f), {QStringLiteral("AKN")});
    if (!written && errorMessage)
        *errorMessage = written.errorMessage;
    return written.ok;
}
