#include "voicepath.h"

#include <QFileInfo>

QString ResolveVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                         const QString &name)
{
    if (name.isEmpty())
        return {};
    return (voiceFolder.isEmpty() ? wordBookFolder : voiceFolder) + u'/' + name;
}

QString ExistingVoicePath(const QString &voiceFolder, const QString &wordBookFolder,
                          const QString &name)
{
    const QString path = ResolveVoicePath(voiceFolder, wordBookFolder, name);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}
