// Records every dialog the program asks for and answers from a script.
#pragma once

#include <QList>
#include <QQueue>

#include "dialogs.h"

class FakeDialogs : public Dialogs
{
public:
    enum class Kind { Information, Warning, Confirm, OpenFile, SaveFile, Folder, Colour };
    struct Shown
    {
        Kind kind;
        QString text;
        bool operator==(const Shown &) const = default;
    };

    void information(const QString &text) override;
    void warning(const QString &text) override;
    bool confirm(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QStringList &filters) override;
    QString saveFileName(const QString &caption, const QString &path, const QStringList &filters,
                         bool confirmOverwrite) override;
    QString existingFolder(const QString &caption, const QString &folder) override;
    std::optional<quint32> chooseColour(quint32 initial) override;

    QList<Shown> shown;
    QStringList texts() const;
    // Answers taken in order; when a queue is empty confirm says Yes, the file and
    // folder dialogs are cancelled and the colour dialog too.
    QQueue<bool> confirmAnswers;
    QQueue<QString> fileAnswers;
    QQueue<std::optional<quint32>> colourAnswers;
    // What the last file dialog started in and offered, and the last colour's start.
    QString lastFolder;
    QStringList lastFilters;
    quint32 lastInitialColour = 0;
};
