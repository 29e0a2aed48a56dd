#include "imechoice.h"

#include <QEvent>
#include <QObject>

#include "inputmethod.h"
#include "settings.h"

QString WantedJapaneseLayout(const Settings &settings)
{
    return settings.CusJpImeStr;
}

void SelectJapaneseLayout(InputMethod *inputMethod, const Settings &settings)
{
    const QString wanted = WantedJapaneseLayout(settings);
    if (!inputMethod || wanted.isEmpty())
        return;
    if (inputMethod->currentLayout() != wanted)
        inputMethod->selectLayout(wanted);
}

namespace {

class JapaneseFieldWatcher : public QObject
{
public:
    JapaneseFieldWatcher(QObject *field, InputMethod *inputMethod, const Settings &settings)
        : QObject(field), m_inputMethod(inputMethod), m_settings(settings)
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            SelectJapaneseLayout(m_inputMethod, m_settings);
        return QObject::eventFilter(watched, event);
    }

private:
    InputMethod *m_inputMethod;
    const Settings &m_settings;
};

} // namespace

void SelectJapaneseLayoutOnFocus(std::initializer_list<QObject *> fields,
                                 InputMethod *inputMethod, const Settings &settings)
{
    if (!inputMethod)
        return;
    for (QObject *field : fields)
        if (field)
            new JapaneseFieldWatcher(field, inputMethod, settings);
}

ImeDialogState ImeDialogStateFor(const QString &cusJpImeStr)
{
    if (cusJpImeStr.isEmpty())
        return {};
    return {true, cusJpImeStr};
}
