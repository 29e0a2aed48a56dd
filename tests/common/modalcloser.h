// Rejects every modal dialog that a command opens while it lives, so a test can run
// a command whose dialog it does not drive. Records the dialogs' object names.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                closed.append(dialog->objectName());
                dialog->reject();
            }
        });
        m_timer.start();
    }
    QStringList closed;

private:
    QTimer m_timer;
};
