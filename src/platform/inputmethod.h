// Keyboard layouts of the input method framework (IBus engines on Linux).
#pragma once

#include <QString>
#include <QStringList>

class InputMethod
{
public:
    virtual ~InputMethod() = default;
    // The current layout's identifier, empty when none is known.
    virtual QString currentLayout() const = 0;
    virtual QStringList availableLayouts() const = 0;
    // Switching to an unknown layout, or without a framework, does nothing.
    virtual bool selectLayout(const QString &layout) = 0;
};
