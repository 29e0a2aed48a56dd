// Message boxes, file, folder and colour dialogs: one service, so that a test can
// record every text shown and script the answers.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Information with one button.
    virtual void information(const QString &text) = 0;
    // Warning with a single Yes button.
    virtual void warning(const QString &text) = 0;
    // Confirmation with Yes and No; true for Yes.
    virtual bool confirm(const QString &text) = 0;

    // filters: Qt filter strings such as "音声 (*.mp3)"; an empty result means cancelled.
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QStringList &filters) = 0;
    // confirmOverwrite false: the caller asks its own question about an existing file.
    virtual QString saveFileName(const QString &caption, const QString &path,
                                 const QStringList &filters, bool confirmOverwrite = true) = 0;
    virtual QString existingFolder(const QString &caption, const QString &folder) = 0;
    // Colours as $00BBGGRR values.
    virtual std::optional<quint32> chooseColour(quint32 initial) = 0;
};
