// velmorhtmllist: the HTML list generator on the command line, for the build (the
// lists installed in data/Tbl) and for pages made outside the program.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

#include "htmllist.h"
#include "settings.h"
#include "textfile.h"

namespace {

const char Usage[] =
    "usage:\n"
    "  velmorhtmllist lists FOLDER   write CandVelmor.html and CandAll.html from the\n"
    "                                candidate-order files in FOLDER\n"
    "  velmorhtmllist check FOLDER   exit 1 when those lists differ from what would be written\n"
    "  velmorhtmllist page CAND.csv OUT.html [--title T] [--font F] [--size S]\n"
    "  velmorhtmllist rows CAND.csv  print the trigger rows (UTF-8)\n"
    "  velmorhtmllist help HELP.html OUT.html FOLDER\n"
    "                                the help page with the charts of the trigger keys of\n"
    "                                the candidate-order files in FOLDER\n";

int fail(const QString &message)
{
    std::fputs(qPrintable(message + u'\n'), stderr);
    return 1;
}

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    const TextReadResult read = ReadTextFile(path, TextFileKind::Table);
    if (!read.ok) {
        *error = read.errorMessage;
        return false;
    }
    *lines = read.lines;
    return true;
}

int lists(const QString &folder, bool check)
{
    const Settings defaults;
    int differing = 0;
    for (const InstalledHtmlList &list :
         InstalledHtmlLists(defaults.UsrMainFont, defaults.UsrSubFont, defaults.PhCandFile)) {
        QStringList lines;
        QString error;
        if (!readLines(QDir(folder).filePath(list.candidateFile), &lines, &error))
            return fail(error);
        const QByteArray bytes = HtmlListBytes(HtmlListPage(list.options, lines));
        const QString target = QDir(folder).filePath(HtmlListFileName(list.candidateFile));
        if (check) {
            QByteArray present;
            if (!ReadFileBytes(target, &present, &error) || present != bytes) {
                std::fprintf(stderr, "%s differs from what velmorhtmllist writes\n",
                             qPrintable(QDir::toNativeSeparators(target)));
                ++differing;
            }
            continue;
        }
        const WriteResult written = WriteFileBytes(target, bytes);
        if (!written)
            return fail(written.errorMessage);
    }
    if (differing)
        std::fputs("regenerate them: velmorhtmllist lists FOLDER\n", stderr);
    return differing ? 1 : 0;
}

// The help page is UTF-8 as written; the charts come from the installed tables, so the
// page never describes keys the tables no longer have.
int help(const QString &helpPath, const QString &outPath, const QString &folder)
{
    QByteArray page;
    QString error;
    if (!ReadFileBytes(helpPath, &page, &error))
        return fail(error);
    const Settings defaults;
    const struct
    {
        QString file;
        QString heading;
    } tables[] = {
        {QStringLiteral("CandVelmor.csv"),
         QStringLiteral("アクセント文字・記号（入力パッド・外国語の欄）")},
        {defaults.PhCandFile, QStringLiteral("発音記号（発音記号入力エリア・発音記号の欄）")},
    };
    QStringList charts;
    for (const auto &table : tables) {
        QStringList lines;
        if (!readLines(QDir(folder).filePath(table.file), &lines, &error))
            return fail(error);
        charts += HtmlTriggerChart(table.heading + QStringLiteral("　") + table.file, lines);
    }
    const QString text = HelpWithTriggerCharts(QString::fromUtf8(page), charts);
    const WriteResult written = WriteFileBytes(outPath, text.toUtf8());
    return written ? 0 : fail(written.errorMessage);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && (args[0] == u"lists" || args[0] == u"check"))
        return lists(args[1], args[0] == u"check");
    if (args.size() == 4 && args[0] == u"help")
        return help(args[1], args[2], args[3]);
    if (args.size() == 2 && args[0] == u"rows") {
        QStringList lines;
        QString error;
        if (!readLines(args[1], &lines, &error))
            return fail(error);
        QTextStream out(stdout);
        for (const QString &row : HtmlListRows(lines))
            out << row << '\n';
        return 0;
    }
    if (args.size() >= 3 && args[0] == u"page") {
        const Settings defaults;
        const QString candidate = args[1];
        const HtmlListChoice choice =
            HtmlListChoiceFor(QFileInfo(candidate).fileName(), defaults.PhCandFile);
        HtmlListOptions options;
        options.title = choice.title;
        options.font =
            choice.font == HtmlListFont::SubFont ? defaults.UsrSubFont : defaults.UsrMainFont;
        options.fileName = QFileInfo(candidate).fileName();
        for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
            if (args[i] == u"--title")
                options.title = args[i + 1];
            else if (args[i] == u"--font")
                options.font = args[i + 1];
            else if (args[i] == u"--size")
                options.size = args[i + 1];
            else
                return fail(QString::fromLatin1(Usage));
        }
        if (args.size() % 2 == 0)
            return fail(QString::fromLatin1(Usage));
        QStringList lines;
        QString error;
        if (!readLines(candidate, &lines, &error))
            return fail(error);
        const WriteResult written = SaveHtmlList(args[2], HtmlListPage(options, lines));
        return written ? 0 : fail(written.errorMessage);
    }
    return fail(QString::fromLatin1(Usage));
}
