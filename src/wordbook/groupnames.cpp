#include "groupnames.h"

#include <QDir>
#include <QFileInfo>

QString GroupFilePath(const QString &sysFolder)
{
    return QDir(sysFolder).filePath(QString::fromUtf16(GroupFileName));
}

QStringList DefaultGroupNames()
{
    return {QStringLiteral("あいさつ"), QStringLiteral("その他")};
}

GroupFileResult ReadGroupFile(const QString &sysFolder)
{
    GroupFileResult result;
    const QString path = GroupFilePath(sysFolder);
    result.exists = QFileInfo::exists(path);
    if (!result.exists)
        return result;
    TextReadResult read = ReadTextFile(path, TextFileKind::Ansi);
    result.ok = read.ok;
    result.errorMessage = read.errorMessage;
    result.names = std::move(read.lines);
    return result;
}

QStringList GroupList(const QString &sysFolder)
{
    GroupFileResult read = ReadGroupFile(sysFolder);
    return read.exists ? read.names : DefaultGroupNames();
}

QStringList EditorGroupList(const QString &sysFolder)
{
    return ReadGroupFile(sysFolder).names;
}

WriteResult WriteGroupFile(const QString &sysFolder, const QStringList &names)
{
    return WriteAnsiFile(GroupFilePath(sysFolder), names);
}

int PreferredGroupIndex(const QStringList &items, const QString &preferred)
{
    if (items.isEmpty())
        return -1;
    if (!preferred.isEmpty()) {
        const qsizetype at = items.indexOf(preferred);
        if (at >= 0)
            return int(at);
    }
    return 0;
}

QString LastGroupAfterTyping(const QString &text, const QString &lastGroup)
{
    return text.trimmed().isEmpty() ? lastGroup : text;
}

GroupEnterResult GroupSelectorEnter(const QStringList &items, const QString &text)
{
    GroupEnterResult result;
    result.items = items;
    const QString name = text.trimmed();
    if (name.isEmpty())
        return result;
    result.handled = true;
    const qsizetype at = items.indexOf(name);
    if (at >= 0) {
        result.selectedIndex = int(at);
    } else {
        result.items.prepend(name);
        result.writeFile = true;
        result.selectedIndex = 0;
    }
    result.lastGroup = result.items[result.selectedIndex];
    return result;
}

GroupCountCheck CheckGroupCount(qsizetype count)
{
    if (count <= 0)
        return GroupCountCheck::Empty;
    if (count > MaxGroupCount)
        return GroupCountCheck::TooMany;
    return GroupCountCheck::Ok;
}

QString GroupCountWarning(GroupCountCheck check)
{
    switch (check) {
    case GroupCountCheck::Empty:
        return QStringLiteral(
            "グループは少なくとも1つは必要です。個数0の場合このファイルを保存できません。");
    case GroupCountCheck::TooMany:
        return QStringLiteral(
            "グループが最大値の30を超えました。どれかを削除し30以下にして下さい。");
    case GroupCountCheck::Ok:
        break;
    }
    return {};
}

QString GroupCountLabel(qsizetype count)
{
    return QStringLiteral("個数： %1個").arg(count);
}

GroupEditorButtons GroupEditorOpenButtons(qsizetype count)
{
    GroupEditorButtons b;
    b.add = count <= MaxGroupCount;
    return b;
}

GroupEditorButtons GroupEditorButtonsFor(qsizetype count, int selected)
{
    GroupEditorButtons b;
    b.add = count <= MaxGroupCount;
    const bool hasSelection = selected >= 0 && selected < count;
    b.insert = hasSelection && count < MaxGroupCount;
    b.remove = hasSelection && count > 1;
    if (count > 0) {
        b.up = selected != 0;
        b.down = selected != count - 1;
    }
    return b;
}
