#include "messageboxdialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QWidget *parentWindow()
{
    return QApplication::activeWindow();
}

QString boxTitle()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void MessageBoxDialogs::information(const QString &text)
{
    QMessageBox::information(parentWindow(), boxTitle(), text, QMessageBox::Ok);
}

void MessageBoxDialogs::warning(const QString &text)
{
    QMessageBox::warning(parentWindow(), boxTitle(), text, QMessageBox::Yes);
}

bool MessageBoxDialogs::confirm(const QString &text)
{
    return QMessageBox::question(parentWindow(), boxTitle(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QString MessageBoxDialogs::openFileName(const QString &caption, const QString &folder,
                                        const QStringList &filters)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder,
                                        filters.join(QStringLiteral(";;")));
}

QString MessageBoxDialogs::saveFileName(const QString &caption, const QString &path,
                                        const QStringList &filters, bool confirmOverwrite)
{
    return QFileDialog::getSaveFileName(
        parentWindow(), caption, path, filters.join(QStringLiteral(";;")), nullptr,
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
}

QString MessageBoxDialogs::existingFolder(const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parentWindow(), caption, folder);
}

std::optional<quint32> MessageBoxDialogs::chooseColour(quint32 initial)
{
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, parentWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return quint32(chosen.red()) | quint32(chosen.green()) << 8 | quint32(chosen.blue()) << 16;
}
