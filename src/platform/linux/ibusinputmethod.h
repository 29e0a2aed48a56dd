// Input methods through IBus: the "keyboard layout identifier" is the name of an IBus
// engine ("mozc-jp", "anthy", "xkb:jp::jpn"), read and set as the daemon's global
// engine over its own D-Bus bus. Without a running daemon there is nothing to read
// and nothing to switch; no call waits long and none reports an error to the user.
#pragma once

#include <QString>
#include <QStringList>

#include "inputmethod.h"

class IBusInputMethod : public InputMethod
{
public:
    IBusInputMethod();
    ~IBusInputMethod() override;
    IBusInputMethod(const IBusInputMethod &) = delete;
    IBusInputMethod &operator=(const IBusInputMethod &) = delete;

    QString currentLayout() const override;
    QStringList availableLayouts() const override;
    bool selectLayout(const QString &layout) override;

    // Where the running daemon's bus is: IBUS_ADDRESS, else the address file the
    // daemon writes for this display; empty when there is none.
    static QString busAddress();

private:
    // Connected to the daemon named by busAddress(); false when there is none.
    bool connect() const;

    mutable QString m_address;
    mutable bool m_connected = false;
};
