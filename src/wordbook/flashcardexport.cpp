#include "flashcardexport.h"

#include <QDir>
#include <QFileInfo>

#include "textfile.h"
#include "voicepath.h"

namespace {

// A sound tag ends at "]" and a field at a tab or line break; such a name cannot be
// written into one.
bool usableSoundName(const QString &name)
{
    for (QChar c : name) {
        if (c == u']' || c == u'\t' || c == u'\r' || c == u'\n')
            return false;
    }
    return !name.isEmpty();
}

QString soundName(const QString &voiceFile)
{
    return QFileInfo(voiceFile).fileName();
}

void appendJoined(QString &out, std::initializer_list<const QString *> parts)
{
    bool first = true;
    for (const QString *part : parts) {
        if (part->isEmpty())
            continue;
        if (!first)
            out.append(u"<br>");
        out.append(FlashcardHtml(*part));
        first = false;
    }
}

} // namespace

QString FlashcardHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'&':
            out.append(u"&amp;");
            break;
        case u'<':
            out.append(u"&lt;");
            break;
        case u'>':
            out.append(u"&gt;");
            break;
        case u'"':
            out.append(u"&quot;");
            break;
        case u'\t':
            out.append(u"&#9;");
            break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out.append(u"<br>");
            break;
        case u'\n':
            out.append(u"<br>");
            break;
        default:
            out.append(c);
        }
    }
    return out;
}

QString FlashcardTag(QStringView group)
{
    QString tag = group.trimmed().toString();
    for (QChar &c : tag) {
        if (c.isSpace())
            c = u'_';
    }
    return tag;
}

QByteArray FlashcardText(const WordBook &book, const QSet<QString> &sounds)
{
    QString deck = HeaderLine(book.title);
    deck.replace(u'\t', u' ');
    QString text = QStringLiteral("#separator:tab\n#html:true\n#notetype:Basic\n#deck:") + deck +
                   QStringLiteral("\n#tags column:3\n");
    const QString tag = FlashcardTag(book.group);
    for (const WordEntry &word : book.words) {
        const qsizetype lineStart = text.size();
        text.append(FlashcardHtml(word.foreignWord));
        if (!word.phoneticSymbols.isEmpty()) {
            text.append(u"<br>");
            text.append(FlashcardHtml(word.phoneticSymbols));
        }
        if (!word.voiceFile.isEmpty() && sounds.contains(word.voiceFile)) {
            text.append(u"[sound:");
            text.append(soundName(word.voiceFile));
            text.append(u']');
        }
        // The importer takes a line that begins with "#" for a header or comment.
        if (text.size() > lineStart && text[lineStart] == u'#')
            text.replace(lineStart, 1, QStringLiteral("&#35;"));
        text.append(u'\t');
        appendJoined(text, {&word.japanese, &word.phoneticKana, &word.notes});
        text.append(u'\t');
        text.append(tag);
        text.append(u'\n');
    }
    return text.toUtf8();
}

QString FlashcardMediaFolder(const QString &exportPath)
{
    const QFileInfo info(exportPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("_media"));
}

FlashcardExportResult ExportFlashcards(const WordBook &book, const QString &wordBookFolder,
                                       const QString &exportPath)
{
    FlashcardExportResult result;
    QSet<QString> sounds;
    QSet<QString> seen;
    const QString media = FlashcardMediaFolder(exportPath);
    for (const WordEntry &word : book.words) {
        if (word.voiceFile.isEmpty() || seen.contains(word.voiceFile))
            continue;
        seen.insert(word.voiceFile);
        const QString source = ExistingVoicePath(book.voiceFolder, wordBookFolder, word.voiceFile);
        if (source.isEmpty() || !usableSoundName(soundName(word.voiceFile))) {
            result.missingSounds.append(word.voiceFile);
            continue;
        }
        if (result.mediaFolder.isEmpty()) {
            if (!QDir().mkpath(media)) {
                result.errorMessage = WriteFailureMessage(
                    media, QStringLiteral("フォルダを作成できませんでした。"));
                return result;
            }
            result.mediaFolder = media;
        }
        QByteArray bytes;
        if (!ReadFileBytes(source, &bytes, &result.errorMessage))
            return result;
        const WriteResult copied =
            WriteFileBytes(QDir(media).filePath(soundName(word.voiceFile)), bytes);
        if (!copied) {
            result.errorMessage = copied.errorMessage;
            return result;
        }
        sounds.insert(word.voiceFile);
        ++result.soundsCopied;
    }
    const WriteResult written = WriteFileBytes(exportPath, FlashcardText(book, sounds));
    if (!written) {
        result.errorMessage = written.errorMessage;
        return result;
    }
    result.ok = true;
    result.notes = book.words.size();
    return result;
}
