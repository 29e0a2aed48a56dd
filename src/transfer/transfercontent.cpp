#include "transfercontent.h"

#include <QMimeData>

#include "folders.h"
#include "rtffamily.h"
#include "settings.h"
#include "textfile.h"
#include "transferencodings.h"

QString TransferSourceText(QStringView editorText)
{
    QString out;
    out.reserve(editorText.size() + 16);
    for (qsizetype i = 0; i < editorText.size(); ++i) {
        const char16_t c = editorText[i].unicode();
        switch (c) {
        case u'\r':
            if (i + 1 < editorText.size() && editorText[i + 1] == u'\n')
                ++i;
            out.append(QLatin1String("\r\n"));
            break;
        case u'\n':
        case 0x2028:
        case 0x2029:
            out.append(QLatin1String("\r\n"));
            break;
        default:
            out.append(QChar(c));
        }
    }
    return out;
}

namespace {

// The clipboard's plain text follows the desktop's convention of LF line breaks,
// as an editing component's own copy would give it.
QString plainFlavour(const QString &sourceText)
{
    QString text = sourceText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

QString chooseSource(const QString &whole, const QString &selection)
{
    return TransferSourceText(selection.isEmpty() ? QStringView(whole) : QStringView(selection));
}

} // namespace

int TransferLanguageId(TransferMode mode, const Settings &settings)
{
    if (!IsPadTransferMode(mode))
        return NoProofing;
    return WindowsLanguageId(LanguageFor(settings.SelectLang).locale);
}

QString TransferLanguageTag(TransferMode mode, const Settings &settings)
{
    if (!IsPadTransferMode(mode))
        return QString();
    QString tag = LanguageFor(settings.SelectLang).locale;
    return tag.replace(u'_', u'-');
}

QString SetRichFlavours(TransferContent &content, int size, const QString &fontName,
                        int languageId, const QString &languageTag)
{
    // Reading the font's tables costs more than encoding a long pad: once per transfer.
    QString family = RtfFamilyWord(fontName);
    content.rtf = RtfDocumentBytes(
        BuildRtfFragment(0, size, content.sourceText, fontName, family, languageId));
    content.html = TransferHtml(content.sourceText, fontName, size, languageTag);
    return family;
}

TransferContent TransferContentFor(TransferMode mode, const TransferFields &fields,
                                   const Settings &settings)
{
    TransferContent c;
    if (!IsKnownTransferMode(mode))
        return c;
    c.copies = true;
    const bool phonetic = IsPhoneticTransferMode(mode);
    c.source = phonetic ? TransferField::Phonetic : TransferField::Pad;
    const bool hasSelection =
        !(phonetic ? fields.phoneticSelection : fields.padSelection).isEmpty();
    c.sourceText = phonetic ? chooseSource(fields.phoneticText, fields.phoneticSelection)
                            : chooseSource(fields.padText, fields.padSelection);

    switch (mode) {
    case TransferPadRich:
    case TransferPadRichII:
        c.plainText = plainFlavour(c.sourceText);
    {
        const QString family =
            SetRichFlavours(c, settings.UsrMainFontSize, settings.UsrMainFont,
                            TransferLanguageId(mode, settings), TransferLanguageTag(mode, settings));
        if (mode == TransferPadRichII) {
            c.workRtf = RtfDocumentBytes(BuildRtfDocument(
                0, settings.UsrMainFontSize, c.sourceText, settings.UsrMainFont, family));
            c.workRtf.append("\r\n");
        }
        break;
    }
    case TransferPhoneticRich:
        c.plainText = plainFlavour(c.sourceText);
        SetRichFlavours(c, settings.UsrSubFontSize, settings.UsrSubFont, NoProofing, QString());
        break;
    case TransferPadHexRefs:
    case TransferPhoneticHexRefs:
        c.plainText = HexCharRefs(c.sourceText);
        break;
    case TransferPadDecimalRefs:
    case TransferPhoneticDecimalRefs:
        c.plainText = DecimalCharRefs(c.sourceText);
        break;
    case TransferPadText:
    case TransferPhoneticText:
        c.plainText = plainFlavour(c.sourceText);
        break;
    }

    // The plain-text modes focus the field before copying; the others only when
    // there was no selection, to show what was sent.
    if (mode == TransferPadText || mode == TransferPhoneticText) {
        c.focusSource = true;
        c.selectAllInSource = !hasSelection;
    } else {
        c.focusSource = !hasSelection;
        c.selectAllInSource = !hasSelection;
    }
    return c;
}

TransferContent PrepareTransfer(TransferMode mode, const TransferFields &fields,
                                const Settings &settings, const QString &sysFolder,
                                QString *errorMessage)
{
    if (errorMessage)
        errorMessage->clear();
    if (mode != TransferPadRichII)
        return TransferContentFor(mode, fields, settings);

    TransferContent c = TransferContentFor(mode, fields, settings);
    // workRtf is byte for byte what WriteWorkRtf writes; the clipboard gets the
    // same text as a component's copy of it, which does not depend on the file.
    const WriteResult result = WriteFileBytes(WorkRtfPath(sysFolder), c.workRtf);
    if (!result.ok && errorMessage)
        *errorMessage = result.errorMessage;
    return c;
}

QMimeData *TransferMimeData(const TransferContent &content)
{
    auto *data = new QMimeData;
    data->setText(content.plainText);
    if (!content.rtf.isEmpty()) {
        data->setData(QStringLiteral("text/rtf"), content.rtf);
        data->setData(QStringLiteral("text/richtext"), content.rtf);
    }
    if (!content.html.isEmpty())
        data->setHtml(content.html);
    return data;
}

QMimeData *TransferSelectionMimeData(const TransferContent &content)
{
    auto *data = new QMimeData;
    data->setText(content.plainText);
    return data;
}
