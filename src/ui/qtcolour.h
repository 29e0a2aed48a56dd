// The program's colours ($00BBGGRR values, as the settings and word books hold them)
// as Qt colours and back.
#pragma once

#include <QColor>

inline QColor ToQColor(quint32 colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline quint32 FromQColor(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
