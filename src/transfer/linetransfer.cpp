#include "linetransfer.h"

#include "settings.h"
#include "transferencodings.h"

namespace {

constexpr int LargestSize = 1638;

TransferContent lineContent(const QString &line)
{
    TransferContent c;
    c.copies = true;
    c.source = TransferField::Pad;
    c.sourceText = TransferSourceText(line);
    c.plainText = line;
    return c;
}

} // namespace

TransferContent PrepareLineTransfer(const QString &line, TransferMode mode, const QString &lineFont,
                                    int lineSize, bool phonetic, const Settings &settings,
                                    const QString &sysFolder, QString *errorMessage)
{
    if (errorMessage)
        errorMessage->clear();
    TransferContent c = lineContent(line);
    const TransferMode language = phonetic ? TransferPhoneticRich : TransferPadRich;
    const int languageId = TransferLanguageId(language, settings);
    const QString languageTag = TransferLanguageTag(language, settings);
    if (mode == TransferPadRichII) {
        const WriteResult result = WriteWorkRtf(sysFolder, 0, settings.UsrMainFontSize, c.sourceText,
                                                settings.UsrMainFont, &c.workRtf);
        if (result.ok) {
            SetRichFlavours(c, settings.UsrMainFontSize, settings.UsrMainFont, languageId,
                            languageTag);
            return c;
        }
        c.workRtf.clear();
        if (errorMessage)
            *errorMessage = result.errorMessage;
    }
    SetRichFlavours(c, lineSize, lineFont, languageId, languageTag);
    return c;
}

int LineTransferSize(const QString &text, int current)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= LargestSize ? n : current;
}
