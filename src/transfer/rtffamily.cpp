#include "rtffamily.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>

namespace {

// Offsets in the OS/2 table.
constexpr qsizetype FamilyClassOffset = 30;
constexpr qsizetype PanoseOffset = 32;
constexpr qsizetype PanoseLength = 10;
// Offset of isFixedPitch in the post table.
constexpr qsizetype FixedPitchOffset = 12;

// PANOSE family kinds and the Latin-text digits that matter here.
constexpr int PanoseLatinText = 2;
constexpr int PanoseLatinHand = 3;
constexpr int PanoseLatinDecorative = 4;
constexpr int PanoseLatinSymbol = 5;
constexpr int PanoseMonospaced = 9; // bProportion

unsigned byteAt(QByteArrayView data, qsizetype i)
{
    return static_cast<unsigned char>(data[i]);
}

} // namespace

QString RtfFamilyWordFromTables(QByteArrayView os2, QByteArrayView post)
{
    const bool hasOs2 = os2.size() >= PanoseOffset + PanoseLength;
    int familyClass = 0;
    int panoseFamily = 0, panoseSerif = 0, panoseProportion = 0;
    if (hasOs2) {
        familyClass =
            int(byteAt(os2, FamilyClassOffset)); // the class ID; the low byte is the subclass
        panoseFamily = int(byteAt(os2, PanoseOffset));
        panoseSerif = int(byteAt(os2, PanoseOffset + 1));
        panoseProportion = int(byteAt(os2, PanoseOffset + 3));
    }
    bool fixedPitch = false;
    if (post.size() >= FixedPitchOffset + 4) {
        for (qsizetype i = 0; i < 4; ++i)
            fixedPitch = fixedPitch || byteAt(post, FixedPitchOffset + i) != 0;
    }

    // Fixed pitch wins over the design class, as the desktop reports a monospaced
    // serif face as modern.
    if (fixedPitch || (panoseFamily == PanoseLatinText && panoseProportion == PanoseMonospaced))
        return QStringLiteral("fmodern");
    switch (panoseFamily) {
    case PanoseLatinHand:
        return QStringLiteral("fscript");
    case PanoseLatinDecorative:
    case PanoseLatinSymbol:
        return QStringLiteral("fdecor");
    default:
        break;
    }
    switch (familyClass) {
    case 1: // oldstyle serifs
    case 2: // transitional serifs
    case 3: // modern serifs
    case 4: // clarendon serifs
    case 5: // slab serifs
    case 7: // freeform serifs
        return QStringLiteral("froman");
    case 8:
        return QStringLiteral("fswiss");
    case 9:  // ornamentals
    case 12: // symbolic
        return QStringLiteral("fdecor");
    case 10:
        return QStringLiteral("fscript");
    default:
        break;
    }
    if (panoseFamily == PanoseLatinText) {
        if (panoseSerif >= 2 && panoseSerif <= 10)
            return QStringLiteral("froman");
        if (panoseSerif >= 11 && panoseSerif <= 15)
            return QStringLiteral("fswiss");
    }
    return QStringLiteral("fnil");
}

QString RtfFamilyWord(const QString &fontName)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QStringLiteral("fnil");
    static QHash<QString, QString> known;
    const auto it = known.constFind(fontName);
    if (it != known.constEnd())
        return *it;
    QFont font(fontName);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Latin);
    QString word = QStringLiteral("fnil");
    if (raw.isValid())
        word = RtfFamilyWordFromTables(raw.fontTable("OS/2"), raw.fontTable("post"));
    known.insert(fontName, word);
    return word;
}
