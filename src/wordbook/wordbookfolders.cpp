#include "wordbookfolders.h"

#include <QDir>
#include <QFileInfo>

QString FolderListPath(const QString &sysFolder)
{
    return QDir(sysFolder).filePath(QString::fromUtf16(FolderListFileName));
}

QStringList DefaultFolderList(const AppFolders &folders)
{
    return {folders.documentsFolder(QStringLiteral("bookA")), folders.DictionaryFolder};
}

FolderListResult EnsureFolderList(const AppFolders &folders)
{
    FolderListResult result;
    const QString path = FolderListPath(folders.SysFolder);
    if (!QFileInfo::exists(path)) {
        result.lines = DefaultFolderList(folders);
        const WriteResult written = WriteFolderList(folders.SysFolder, result.lines);
        result.ok = written.ok;
        result.errorMessage = written.errorMessage;
        return result;
    }
    TextReadResult read = ReadTextFile(path, TextFileKind::Ansi);
    result.ok = read.ok;
    result.errorMessage = read.errorMessage;
    result.lines = std::move(read.lines);
    return result;
}

QStringList FolderMenuItems(const QStringList &lines)
{
    QStringList items;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            items.append(line);
    return items;
}

WriteResult WriteFolderList(const QString &sysFolder, const QStringList &lines)
{
    return WriteAnsiFile(FolderListPath(sysFolder), lines);
}

FolderListUpdate AddChosenFolder(const QStringList &lines, const QString &path)
{
    FolderListUpdate update;
    update.lines = lines;
    if (path.isEmpty() || lines.contains(path))
        return update;
    update.lines.prepend(path);
    if (update.lines.size() > MaxFolderListLines)
        update.lines.resize(MaxFolderListLines);
    update.changed = true;
    return update;
}

namespace {

struct DirectionCaptions
{
    const char16_t *language;
    const char16_t *foreignFirst;
    const char16_t *japaneseFirst;
};

constexpr DirectionCaptions kCaptions[] = {
    {u"英　語", u"英和", u"和英"},     {u"フランス語", u"仏和", u"和仏"},
    {u"ドイツ語", u"独和", u"和独"},   {u"スペイン語", u"西和", u"和西"},
    {u"イタリア語", u"伊和", u"和伊"}, {u"ﾎﾟﾙﾄｶﾞﾙ語", u"葡和", u"和葡"},
};

const DirectionCaptions *captionsFor(const QString &language)
{
    for (const DirectionCaptions &c : kCaptions)
        if (language == QStringView(c.language))
            return &c;
    return nullptr;
}

} // namespace

int LanguageIndex(const QString &language)
{
    const QList<LanguageFolders> &all = Languages();
    for (qsizetype i = 0; i < all.size(); ++i)
        if (all[i].language == language)
            return int(i);
    return -1;
}

QString ForeignFirstCaption(const QString &language)
{
    const DirectionCaptions *c = captionsFor(language);
    return c ? QString::fromUtf16(c->foreignFirst) : QStringLiteral("欧日");
}

QString JapaneseFirstCaption(const QString &language)
{
    const DirectionCaptions *c = captionsFor(language);
    return c ? QString::fromUtf16(c->japaneseFirst) : QStringLiteral("日欧");
}

LanguageChoice ChooseLanguage(const AppFolders &folders, int index)
{
    const QList<LanguageFolders> &all = Languages();
    const LanguageFolders &l = all.value(index, all.first());
    LanguageChoice choice;
    choice.language = l.language;
    choice.wordBookFolder = folders.documentsFolder(l.wordBook);
    choice.dictionaryFolder = folders.documentsFolder(l.dictionary);
    choice.foreignFirstCaption = ForeignFirstCaption(l.language);
    choice.japaneseFirstCaption = JapaneseFirstCaption(l.language);
    return choice;
}

QString WordBookFolderStatusText(const QString &folder)
{
    return QStringLiteral("●単語帳フォルダ") + QDir::toNativeSeparators(folder);
}

QString DictionaryToggle::press(const QString &current, const QString &dictionaryFolder)
{
    down = true;
    rememberedFolder = current;
    return dictionaryFolder;
}

QString DictionaryToggle::release()
{
    down = false;
    QString folder;
    folder.swap(rememberedFolder);
    return folder;
}

void DictionaryToggle::reset()
{
    down = false;
    rememberedFolder.clear();
}
