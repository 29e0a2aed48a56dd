#include "htmllist.h"

#include <QFileInfo>

#include "splitcommatext.h"

namespace {

const QString ShiftJisCharset = QStringLiteral("charset=Shift_JIS");
const QString Utf8Charset = QStringLiteral("charset=UTF-8");

} // namespace

QString EscapeHtml(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        case u'>':
            out += QStringLiteral("&gt;");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString HtmlListRow(const QString &line)
{
    const QStringList fields = SplitCommaText(line);
    if (fields.size() != 10)
        return QString();
    bool any = false;
    for (qsizetype i = 1; i < 10; ++i)
        any = any || !fields[i].isEmpty();
    if (!any)
        return QString();
    const QString trigger = fields[0] == u"0022" ? QStringLiteral("\"") : fields[0];
    QString row = QStringLiteral("    <tr><td class=\"trigger\">") + EscapeHtml(trigger) +
                  QStringLiteral("</td>");
    for (qsizetype i = 1; i < 10; ++i) {
        if (fields[i].isEmpty())
            row += QStringLiteral("<td></td>");
        else
            row += QStringLiteral("<td>&#x") + EscapeHtml(fields[i]) + QStringLiteral(";</td>");
    }
    return row + QStringLiteral("</tr>");
}

QStringList HtmlListRows(const QStringList &candidateLines)
{
    QStringList rows;
    for (const QString &line : candidateLines) {
        QString row = HtmlListRow(line);
        if (!row.isEmpty())
            rows.append(std::move(row));
    }
    return rows;
}

QStringList HtmlListPage(const HtmlListOptions &o, const QStringList &candidateLines)
{
    const QString title = EscapeHtml(o.title);
    QStringList page = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                       "\"http://www.w3.org/TR/html4/loose.dtd\">"),
        QStringLiteral("<html lang=\"ja\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; ") +
            ShiftJisCharset + QStringLiteral("\">"),
        QStringLiteral("<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">"),
        QStringLiteral("<title>") + title + QStringLiteral("</title>"),
        QStringLiteral("<style type=\"text/css\">"),
        QStringLiteral("<!--"),
        QStringLiteral("body {"),
        QStringLiteral("        width: 600px;"),
        QStringLiteral("        margin: 20px;"),
        QStringLiteral("        padding: 20px;"),
        QStringLiteral("        text-align: center;"),
        QStringLiteral("        background-color: #0099dd;"),
        QStringLiteral("        font-family: \"メイリオ\";"),
        QStringLiteral("        color: black;"),
        QStringLiteral("}"),
        QStringLiteral("h1 {"),
        QStringLiteral("        text-align: center;"),
        QStringLiteral("        background-color: white;"),
        QStringLiteral("        font-family: \"メイリオ\";"),
        QStringLiteral("}"),
        QStringLiteral("table {"),
        QStringLiteral("        margin-left: auto;"),
        QStringLiteral("        margin-right: auto;"),
        QStringLiteral("        border: 2px solid;"),
        QStringLiteral("        border-collapse: collapse;"),
        QStringLiteral("}"),
        QStringLiteral("th {"),
        QStringLiteral("        width: 50px;"),
        QStringLiteral("        height: 40px;"),
        QStringLiteral("        border: 2px solid;"),
        QStringLiteral("        background-color: #ffe4e1;"),
        QStringLiteral("        font-size: 120%;"),
        QStringLiteral("        font-family: \"Arial\";"),
        QStringLiteral("}"),
        QStringLiteral("td {"),
        QStringLiteral("        width: 50px;"),
        QStringLiteral("        height: 50px;"),
        QStringLiteral("        background-color: ivory;"),
        QStringLiteral("        border: 2px solid;"),
        QStringLiteral("        font-size: ") + o.size + QStringLiteral("%;"),
        // A quote or an angle bracket in a font name would end the rule or the style
        // element; no font name needs them.
        QStringLiteral("        font-family: \"") +
            QString(o.font).remove(u'"').remove(u'<').remove(u'>') + QStringLiteral("\";"),
        QStringLiteral("}"),
        QStringLiteral("td.trigger {"),
        QStringLiteral("        width: 50px;"),
        QStringLiteral("        border: 2px solid;"),
        QStringLiteral("        background-color: #ffe4e1;"),
        QStringLiteral("        font-size: 120%;"),
        QStringLiteral("        font-family: \"Arial\";"),
        QStringLiteral("}"),
        QStringLiteral("-->"),
        QStringLiteral("</style>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<h1>") + title + QStringLiteral("</h1>"),
        QStringLiteral("<table>"),
        QStringLiteral("  <caption>\"") + EscapeHtml(o.fileName) + QStringLiteral("\"</caption>"),
    };
    QString heading = QStringLiteral("    <tr><th>Trigger</th>");
    for (int digit = 1; digit <= 9; ++digit)
        heading += QStringLiteral("<th>%1</th>").arg(digit);
    page.append(heading + QStringLiteral("</tr>"));
    page += HtmlListRows(candidateLines);
    page += {QStringLiteral("</table>"), QStringLiteral("</body>"), QStringLiteral("</html>")};
    return page;
}

QStringList HtmlTriggerChart(const QString &heading, const QStringList &candidateLines)
{
    QStringList chart = {QStringLiteral("<h3>") + EscapeHtml(heading) + QStringLiteral("</h3>"),
                         QStringLiteral("<table class=\"chart\">")};
    QString head = QStringLiteral("    <tr><th>キー</th>");
    for (int digit = 1; digit <= 9; ++digit)
        head += QStringLiteral("<th>%1</th>").arg(digit);
    chart.append(head + QStringLiteral("</tr>"));
    chart += HtmlListRows(candidateLines);
    chart.append(QStringLiteral("</table>"));
    return chart;
}

QString HelpWithTriggerCharts(const QString &helpText, const QStringList &charts)
{
    static const QString marker = QStringLiteral("<!-- trigger chart -->");
    QString page = helpText;
    const qsizetype at = page.indexOf(marker);
    if (at < 0)
        return page;
    // The page keeps its own line breaks around the chart.
    const QString lineBreak = page.contains(u'\r') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return page.replace(at, marker.size(), charts.join(lineBreak));
}

QByteArray HtmlListBytes(const QStringList &pageLines)
{
    TextEncoding used = TextEncoding::Ansi;
    const QByteArray bytes = EncodeAnsiLines(pageLines, &used);
    if (used == TextEncoding::Ansi)
        return bytes;
    // The browser must read the page in the encoding it is written in.
    const QString charset =
        used == TextEncoding::Utf16LE ? QStringLiteral("charset=UTF-16") : Utf8Charset;
    QStringList lines = pageLines;
    for (QString &line : lines)
        if (line.startsWith(u"<meta http-equiv=\"Content-Type\""))
            line.replace(ShiftJisCharset, charset);
    return EncodeAnsiLines(lines);
}

WriteResult SaveHtmlList(const QString &path, const QStringList &pageLines)
{
    return WriteFileBytes(path, HtmlListBytes(pageLines));
}

HtmlListChoice HtmlListChoiceFor(const QString &fileName, const QString &phCandFile)
{
    if (fileName == phCandFile)
        return {QStringLiteral("発音記号　候補順ファイル"), HtmlListFont::SubFont};
    if (fileName == u"CandVelmor.csv")
        return {QStringLiteral("欧文　候補順ファイル"), HtmlListFont::MainFont};
    return {QStringLiteral("候補順ファイル"), HtmlListFont::Keep};
}

QString HtmlListFileName(const QString &candidateFileName)
{
    const QFileInfo info(candidateFileName);
    const QString suffix = info.suffix();
    QString base = candidateFileName;
    // A name without an extension gets one; the dot of a folder name is not one.
    if (!suffix.isEmpty() && !info.fileName().startsWith(u'.') &&
        info.fileName().size() > suffix.size() + 1)
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".html");
}

QList<InstalledHtmlList> InstalledHtmlLists(const QString &mainFont, const QString &subFont,
                                            const QString &phCandFile)
{
    QList<InstalledHtmlList> lists;
    for (const QString &file : {QStringLiteral("CandVelmor.csv"), phCandFile}) {
        const HtmlListChoice choice = HtmlListChoiceFor(file, phCandFile);
        HtmlListOptions options;
        options.title = choice.title;
        options.font = choice.font == HtmlListFont::SubFont ? subFont : mainFont;
        options.fileName = file;
        lists.append({file, options});
    }
    return lists;
}
