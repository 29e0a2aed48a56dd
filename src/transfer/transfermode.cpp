#include "transfermode.h"

QString TransferModeMenuTitle()
{
    return QStringLiteral("　転送モード (&M)");
}

const QList<TransferModeItem> &TransferModeItems()
{
    static const QList<TransferModeItem> items = {
        {TransferPhoneticRich, QStringLiteral("Sub1")},
        {TransferPhoneticHexRefs, QStringLiteral("Sub2")},
        {TransferPhoneticDecimalRefs, QStringLiteral("Sub3")},
        {TransferPhoneticText, QStringLiteral("Sub4")},
        {TransferPadRich, QStringLiteral("Main1")},
        {TransferPadRichII, QStringLiteral("Main5")},
        {TransferPadHexRefs, QStringLiteral("Main2")},
        {TransferPadDecimalRefs, QStringLiteral("Main3")},
        {TransferPadText, QStringLiteral("Main4")},
    };
    return items;
}

QString InitialLanguageLabel()
{
    return QStringLiteral("欧　文");
}

QString TransferModeMenuCaption(TransferMode mode, const QString &lang)
{
    switch (mode) {
    case TransferPhoneticRich:
        return QStringLiteral("発音記号 リッチテキスト");
    case TransferPhoneticHexRefs:
        return QStringLiteral("発音記号 Unicode16進 数値文字参照");
    case TransferPhoneticDecimalRefs:
        return QStringLiteral("発音記号 Unicode10進 数値文字参照");
    case TransferPhoneticText:
        return QStringLiteral("発音記号 Unicodeテキスト");
    case TransferPadRich:
        return lang + QStringLiteral(" リッチテキスト");
    case TransferPadRichII:
        return lang + QStringLiteral(" リッチテキストⅡ");
    case TransferPadHexRefs:
        return lang + QStringLiteral(" Unicode16進 数値文字参照");
    case TransferPadDecimalRefs:
        return lang + QStringLiteral(" Unicode10進 数値文字参照");
    case TransferPadText:
        return lang + QStringLiteral(" Unicodeテキスト");
    default:
        return QString();
    }
}

QString TransferModeIndicatorText(TransferMode mode, const QString &lang)
{
    switch (mode) {
    case TransferPhoneticRich:
        return QStringLiteral("標準 発音記号");
    case TransferPhoneticHexRefs:
        return QStringLiteral("Uni16 発音記号");
    case TransferPhoneticDecimalRefs:
        return QStringLiteral("Uni10 発音記号");
    case TransferPhoneticText:
        return QStringLiteral("Uﾃｷｽﾄ 発音記号");
    case TransferPadRich:
        return QStringLiteral("標準 ") + lang;
    case TransferPadRichII:
        return QStringLiteral("ﾘｯﾁⅡ ") + lang;
    case TransferPadHexRefs:
        return QStringLiteral("Uni16 ") + lang;
    case TransferPadDecimalRefs:
        return QStringLiteral("Uni10 ") + lang;
    case TransferPadText:
        return QStringLiteral("Uﾃｷｽﾄ ") + lang;
    default:
        return QString();
    }
}

bool IsKnownTransferMode(TransferMode mode)
{
    for (const TransferModeItem &item : TransferModeItems()) {
        if (item.mode == mode)
            return true;
    }
    return false;
}
