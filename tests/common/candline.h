// A line of a candidate-order file: the trigger and nine candidate codes, quoted.
#pragma once

#include <QString>
#include <QStringList>

inline QString CandLine(const QString &trigger, const QStringList &codes)
{
    QStringList fields{u'"' + trigger + u'"'};
    for (int n = 0; n < 9; ++n)
        fields.append(u'"' + codes.value(n) + u'"');
    return fields.join(u',');
}
