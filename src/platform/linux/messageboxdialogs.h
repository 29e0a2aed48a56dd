// The dialogs service with Qt's standard dialogs, parented to the active window.
#pragma once

#include "dialogs.h"

class MessageBoxDialogs : public Dialogs
{
public:
    void information(const QString &text) override;
    void warning(const QString &text) override;
    bool confirm(const QString &text) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QStringList &filters) override;
    QString saveFileName(const QString &caption, const QString &path,
                         const QStringList &filters, bool confirmOverwrite) override;
    QString existingFolder(const QString &caption, const QString &folder) override;
    std::optional<quint32> chooseColour(quint32 initial) override;
};
