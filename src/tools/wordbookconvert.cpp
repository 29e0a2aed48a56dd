#include "wordbookconvert.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include "convertcodecs.h"
#include "textfile.h"

namespace {

constexpr char kAnsiCodec[] = "windows-31j";

// Lines of a byte source, cut where the text would be: CR LF, CR or LF end a line and
// a final break adds no empty line. Every code page here keeps 0D and 0A out of its
// multi-byte characters, so both readings of a line come from the same bytes.
QList<QByteArrayView> splitByteLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    const char *p = bytes.data();
    const char *end = p + bytes.size();
    const char *start = p;
    for (; p < end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.append(QByteArrayView(start, p));
        if (*p == '\r' && p + 1 < end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start < end)
        lines.append(QByteArrayView(start, end));
    return lines;
}

// The lines of one source file and the two readings of them.
class SourceLines
{
public:
    SourceLines(QByteArrayView bytes, const SourceFormat &format)
        : m_ansi(kAnsiCodec, QStringConverter::Flag::Stateless),
          m_foreign(format.codec ? format.codec : kAnsiCodec, QStringConverter::Flag::Stateless),
          m_unicode(format.layout == SourceLayout::Unicode)
    {
        if (m_unicode) {
            m_text = DecodeText(bytes, TextFileKind::Unicode);
            m_textLines = SplitTextLineViews(m_text);
        } else {
            m_byteLines = splitByteLines(bytes);
        }
    }

    qsizetype size() const { return m_unicode ? m_textLines.size() : m_byteLines.size(); }
    // A UTF-16 source has one reading only.
    QString ansi(qsizetype i)
    {
        return m_unicode ? m_textLines[i].toString() : QString(m_ansi.decode(m_byteLines[i]));
    }
    QString foreign(qsizetype i)
    {
        return m_unicode ? m_textLines[i].toString() : QString(m_foreign.decode(m_byteLines[i]));
    }

private:
    QStringDecoder m_ansi;
    QStringDecoder m_foreign;
    bool m_unicode;
    QList<QByteArrayView> m_byteLines;
    QString m_text;
    QList<QStringView> m_textLines;
};

int headerLines(SourceLayout layout)
{
    return layout == SourceLayout::Chinese || layout == SourceLayout::Unicode ? 3 : 2;
}

int linesPerWord(SourceLayout layout)
{
    switch (layout) {
    case SourceLayout::Chinese:
        return 6;
    case SourceLayout::Unicode:
        return 7;
    default:
        return 4;
    }
}

QString badHexReason(const QString &group)
{
    return QStringLiteral("16進数でない符号「%1」があります。").arg(group);
}

// One word from its lines, first at line. False, with the reason, for a bad hex group.
bool readWord(SourceLines &lines, qsizetype line, SourceLayout layout, bool foreignFrom1252,
              WordEntry *word, QString *reason)
{
    switch (layout) {
    case SourceLayout::Generic:
        word->japanese = lines.ansi(line);
        word->phoneticKana = lines.ansi(line + 1);
        word->notes = lines.ansi(line + 2);
        word->foreignWord = lines.foreign(line + 3);
        return true;
    case SourceLayout::Phonetic:
        word->foreignWord = foreignFrom1252 ? lines.foreign(line) : lines.ansi(line);
        word->phoneticKana = lines.ansi(line + 1);
        word->japanese = lines.ansi(line + 2);
        word->phoneticSymbols = ConvertLegacyPhonetic(lines.foreign(line + 3));
        return true;
    case SourceLayout::Chinese: {
        QString bad;
        if (!DecodeHanziHex(lines.ansi(line + 1), &word->foreignWord, &bad) ||
            !DecodePinyinHex(lines.ansi(line + 2), &word->phoneticSymbols, &bad)) {
            *reason = badHexReason(bad);
            return false;
        }
        word->japanese = ConvertLineBreakMarks(lines.ansi(line));
        word->notes = ConvertLineBreakMarks(lines.ansi(line + 3));
        word->voiceFile = lines.ansi(line + 4);
        word->textColour = lines.ansi(line + 5);
        return true;
    }
    case SourceLayout::Unicode:
        word->japanese = lines.ansi(line);
        word->foreignWord = lines.ansi(line + 1);
        word->phoneticSymbols = lines.ansi(line + 2);
        word->phoneticKana = lines.ansi(line + 3);
        word->notes = lines.ansi(line + 4);
        word->voiceFile = lines.ansi(line + 5);
        word->textColour = lines.ansi(line + 6);
        return true;
    }
    return false;
}

} // namespace

const QList<SourceFormat> &SourceFormats()
{
    static const QList<SourceFormat> formats = {
        {QStringLiteral("Dorrak　(*.kwd)"), QStringLiteral(".kwd"), "windows-949",
         SourceLayout::Generic},
        {QStringLiteral("Sumbel　(*.twd)"), QStringLiteral(".twd"), "windows-874",
         SourceLayout::Generic},
        {QStringLiteral("Pralt　(*.rwd)"), QStringLiteral(".rwd"), "windows-1251",
         SourceLayout::Generic},
        {QStringLiteral("Nivvo　(*.vwd)"), QStringLiteral(".vwd"), "windows-1258",
         SourceLayout::Generic},
        {QStringLiteral("VelmorLady　(*.ewd)"), QStringLiteral(".ewd"), "windows-1252",
         SourceLayout::Generic},
        {QStringLiteral("Ostrel　(*.cvd)"), QStringLiteral(".cvd"), nullptr,
         SourceLayout::Chinese},
        {QStringLiteral("Fendrix　(*.gwd)"), QStringLiteral(".gwd"), "windows-1253",
         SourceLayout::Generic},
        {QStringLiteral("Yalvo　(*.uwd)"), QStringLiteral(".uwd"), "windows-1254",
         SourceLayout::Generic},
        {QStringLiteral("Thessim　(*.awd)"), QStringLiteral(".awd"), "windows-1256",
         SourceLayout::Generic},
        {QStringLiteral("SumbelPro　(*.tud)"), QStringLiteral(".tud"), nullptr,
         SourceLayout::Unicode},
        {QStringLiteral("Glossandra　(*.pwd)"), QStringLiteral(".pwd"), "windows-1252",
         SourceLayout::Phonetic},
    };
    return formats;
}

const SourceFormat &FormatForFile(const QString &fileName)
{
    static const SourceFormat other{QString(), QString(), kAnsiCodec, SourceLayout::Generic};
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return other;
    const QStringView extension = QStringView(fileName).sliced(dot);
    for (const SourceFormat &format : SourceFormats()) {
        if (extension.compare(format.extension, Qt::CaseInsensitive) == 0)
            return format;
    }
    return other;
}

QString SourcePattern(const QString &selectorText)
{
    const qsizetype star = selectorText.indexOf(u'*');
    return star < 0 ? QStringLiteral("*.*") : selectorText.mid(star, 5);
}

QStringList ListSourceFiles(const QString &folder, const QString &pattern)
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    // Without QDir::CaseSensitive the patterns match in any letter case.
    return dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System,
                         QDir::Name | QDir::IgnoreCase);
}

QString UniqueTargetName(const QString &sourceFileName, const QString &targetFolder)
{
    const qsizetype lastDot = sourceFileName.lastIndexOf(u'.');
    QString candidate =
        (lastDot < 0 ? sourceFileName : sourceFileName.left(lastDot)) + QStringLiteral(".utx");
    const QString stem = sourceFileName.section(u'.', 0, 0);
    const QDir target(targetFolder);
    for (int i = 1; QFileInfo::exists(target.filePath(candidate)); ++i)
        candidate = stem + u'(' + QString::number(i) + QStringLiteral(").utx");
    return candidate;
}

QString ForeignWordQuestionText(const QString &fileName)
{
    return fileName + QStringLiteral("の、外国語は英語か欧文ですか？");
}

SourceConversion ConvertSourceBytes(QByteArrayView bytes, const QString &fileName,
                                    const ForeignWordQuestion &ask)
{
    const SourceFormat &format = FormatForFile(fileName);
    SourceLines lines(bytes, format);
    SourceConversion result;
    const int header = headerLines(format.layout);
    if (lines.size() < header) {
        result.reason = QStringLiteral("タイトルと単語数の行がありません。");
        return result;
    }
    result.headerRead = true;
    result.book.title = lines.ansi(0);
    if (header == 3)
        result.book.voiceFolder = lines.ansi(2);

    bool isNumber = false;
    const qint64 count = qMax<qint64>(0, lines.ansi(1).trimmed().toLongLong(&isNumber));
    const qsizetype words = isNumber ? qsizetype(count) : 0;
    const int perWord = linesPerWord(format.layout);
    const qsizetype present = (lines.size() - header) / perWord;

    bool foreignFrom1252 = true;
    if (format.layout == SourceLayout::Phonetic && words > 0 && ask)
        foreignFrom1252 = ask(fileName);

    result.book.words.reserve(qMin(words, present));
    for (qsizetype k = 0; k < words; ++k) {
        if (k >= present) {
            result.failedWord = k + 1;
            result.reason = QStringLiteral("単語数は %1 ですが、行は %2 語分しかありません。")
                                .arg(words)
                                .arg(present);
            return result;
        }
        WordEntry word;
        if (!readWord(lines, header + k * perWord, format.layout, foreignFrom1252, &word,
                      &result.reason)) {
            result.failedWord = k + 1;
            return result;
        }
        result.book.words.append(std::move(word));
    }
    result.ok = true;
    return result;
}

ConversionResult ConvertWordBookFile(const QString &sourcePath, const QString &targetFolder,
                                     const ForeignWordQuestion &ask)
{
    ConversionResult result;
    const QString sourceName = QFileInfo(sourcePath).fileName();
    QByteArray bytes;
    QString readError;
    if (!ReadFileBytes(sourcePath, &bytes, &readError)) {
        result.errorMessage = readError;
        return result;
    }
    SourceConversion converted = ConvertSourceBytes(bytes, sourceName, ask);
    if (!converted.headerRead) {
        result.errorMessage =
            QStringLiteral("「%1」は単語帳として読めません。\n%2").arg(sourceName, converted.reason);
        return result;
    }

    result.outputName = UniqueTargetName(sourceName, targetFolder);
    converted.book.fileName = result.outputName;
    const WriteResult written = SaveWordBook(targetFolder, converted.book);
    if (!written) {
        result.errorMessage = written.errorMessage;
        return result;
    }
    result.written = true;
    result.words = converted.book.words.size();
    result.ok = converted.ok;
    if (!converted.ok) {
        result.errorMessage = QStringLiteral("「%1」の %2 語目を変換できませんでした。\n%3\n"
                                             "それまでの %4 語を「%5」に保存しました。")
                                  .arg(sourceName)
                                  .arg(converted.failedWord)
                                  .arg(converted.reason)
                                  .arg(result.words)
                                  .arg(result.outputName);
    }
    return result;
}
