// The HTML list of a candidate-order file: a page with one table row per trigger key
// and its candidates, for printing or viewing in a browser. The list tool, the
// installed lists in the table folder and any chart of trigger keys use this one
// generator.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "textfile.h"

struct HtmlListOptions
{
    QString title;
    QString font;                           // of the candidate cells
    QString size = QStringLiteral("160");   // percent, of the candidate cells
    QString fileName;                       // the candidate-order file, for the caption
};

// Text for an HTML page: "&", "<", ">" and the double quote as character references.
QString EscapeHtml(QStringView text);

// The trigger row of one line of a candidate-order file, or an empty text when the
// line does not split into 10 fields or all nine candidates are empty.
QString HtmlListRow(const QString &line);
// The trigger rows of all lines, in file order.
QStringList HtmlListRows(const QStringList &candidateLines);
// The whole page, line by line.
QStringList HtmlListPage(const HtmlListOptions &options, const QStringList &candidateLines);

// A chart of the trigger keys for the help page: a heading and a table of the rows.
QStringList HtmlTriggerChart(const QString &heading, const QStringList &candidateLines);
// The help page with the charts put in place of its "<!-- trigger chart -->" line; the
// page unchanged when it has no such line.
QString HelpWithTriggerCharts(const QString &helpText, const QStringList &charts);

// The bytes of a page: code page 932 as its charset line declares; when a character
// needs more, UTF-8 with byte-order mark and the charset line saying UTF-8.
QByteArray HtmlListBytes(const QStringList &pageLines);
WriteResult SaveHtmlList(const QString &path, const QStringList &pageLines);

// The title the tool proposes for a candidate-order file, and which font: the
// phonetic file (setting PhCandFile) takes the sub font, "CandVelmor.csv" the main
// font, any other file keeps the font chosen.
enum class HtmlListFont { Keep, MainFont, SubFont };
struct HtmlListChoice
{
    QString title;
    HtmlListFont font = HtmlListFont::Keep;
};
HtmlListChoice HtmlListChoiceFor(const QString &fileName, const QString &phCandFile);
// "CandAll.csv" gives "CandAll.html".
QString HtmlListFileName(const QString &candidateFileName);

// The lists installed beside the tables: CandVelmor.html and CandAll.html as the tool
// makes them with the fonts and size a new user starts with.
struct InstalledHtmlList
{
    QString candidateFile;
    HtmlListOptions options;
};
QList<InstalledHtmlList> InstalledHtmlLists(const QString &mainFont, const QString &subFont,
                                            const QString &phCandFile);
