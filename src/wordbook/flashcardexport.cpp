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

void appendHtml(QString &out, QStringView text)
{
    const char16_t *p = text.utf16();
    const char16_t *end = p + text.size();
    const char16_t *run = p;
    for (; p < end; ++p) {
        const char16_t c = *p;
        if (c > u'>' || (c != u'&' && c != u'<' && c != u'>' && c != u'"' && c != u'\t' &&
                         c != u'\r' && c != u'\n'))
            continue;
        out.append(QStringView(run, p));
        switch (c) {
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
        default: // a line break: CR LF, CR or LF
            if (c == u'\r' && p + 1 < end && p[1] == u'\n')
                ++p;
            out.append(u"<br>");
        }
        run = p + 1;
    }
    out.append(QStringView(run, end));
}

void appendJoined(QString &out, std::initializer_list<const QString *> parts)
{
    bool first = true;
    for (const QString *part : parts) {
        if (part->isEmpty())
            continue;
        if (!first)
            out.append(u"<br>");
        appendHtml(out, *part);
        first = false;
    }
}

} // namespace

QString FlashcardHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    appendHtml(out, text);
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
    qsizetype size = text.size();
    for (const WordEntry &word : book.words)
        size += word.foreignWord.size() + word.phoneticSymbols.size() + word.japanese.size() +
                word.phoneticKana.size() + word.notes.size() + tag.size() + 24;
    text.reserve(size);
    for (const WordEntry &word : book.words) {
        const qsizetype lineStart = text.size();
        appendHtml(text, word.foreignWord);
        if (!word.phoneticSymbols.isEmpty()) {
            text.append(u"<br>");
            appendHtml(text, word.phoneticSymbols);
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
