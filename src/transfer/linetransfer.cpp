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
                                    int lineSize, const Settings &settings,
                                    const QString &sysFolder, QString *errorMessage)
{
    if (errorMessage)
        errorMessage->clear();
    TransferContent c = lineContent(line);
    if (mode == TransferPadRichII) {
        QByteArray written;
        const WriteResult result = WriteWorkRtf(sysFolder, 0, settings.UsrMainFontSize, c.sourceText,
                                                settings.UsrMainFont, &written);
        if (result.ok) {
            c.rtf = written;
            return c;
        }
        if (errorMessage)
            *errorMessage = result.errorMessage;
    }
    c.rtf = RtfDocumentBytes(BuildRtfDocument(0, lineSize, c.sourceText, lineFont));
    return c;
}

int LineTransferSize(const QString &text, int current)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= LargestSize ? n : current;
}
