#include "fakedialogs.h"

void FakeDialogs::information(const QString &text)
{
    shown.append({Kind::Information, text});
}

void FakeDialogs::warning(const QString &text)
{
    shown.append({Kind::Warning, text});
}

bool FakeDialogs::confirm(const QString &text)
{
    shown.append({Kind::Confirm, text});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.dequeue();
}

QString FakeDialogs::openFileName(const QString &caption, const QString &folder,
                                  const QStringList &filters)
{
    lastFolder = folder;
    lastFilters = filters;
    shown.append({Kind::OpenFile, caption});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString FakeDialogs::saveFileName(const QString &caption, const QString &, const QStringList &,
                                  bool)
{
    shown.append({Kind::SaveFile, caption});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString FakeDialogs::existingFolder(const QString &caption, const QString &)
{
    shown.append({Kind::Folder, caption});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

std::optional<quint32> FakeDialogs::chooseColour(quint32 initial)
{
    lastInitialColour = initial;
    shown.append({Kind::Colour, QString()});
    return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.dequeue();
}

QStringList FakeDialogs::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out.append(s.text);
    return out;
}
