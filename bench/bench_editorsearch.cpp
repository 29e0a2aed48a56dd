// The word-book search over 1,000 books of 1,000 words (Enter to the filled list),
// against `rg -F -c` over the same folder; and the editor opening and saving a book
// of 100,000 words, against reading and writing the same bytes (the floors).
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "editorbook.h"
#include "editorgridmodel.h"
#include "fakedialogs.h"
#include "folders.h"
#include "searchhitmodel.h"
#include "teditorfrm.h"
#include "textfile.h"
#include "tsearchpage.h"
#include "wordbooksearch.h"

namespace {

bool smoke()
{
    return qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE");
}

QString wordLine(int book, int i)
{
    // One word in a hundred means a cat.
    const QString japanese = i % 100 == 7 ? QStringLiteral("子猫") : QStringLiteral("単語%1").arg(i);
    return QStringLiteral("\"word%1x%2\",\"ˈwɜːd\",\"ワード\",\"%3\",\"note %2\",\"\",\"\"")
        .arg(book)
        .arg(i)
        .arg(japanese);
}

struct Library
{
    QTemporaryDir dir;
    Library()
    {
        const int books = smoke() ? 20 : 1000;
        const int words = smoke() ? 100 : 1000;
        for (int b = 0; b < books; ++b) {
            QStringList lines{QStringLiteral("Book %1").arg(b), QStringLiteral("G"), QString()};
            for (int i = 0; i < words; ++i)
                lines.append(wordLine(b, i));
            WriteUnicodeFile(dir.filePath(QStringLiteral("book%1.utx").arg(b)), lines);
        }
    }
};

const Library &library()
{
    static const Library l;
    return l;
}

struct BigBook
{
    QTemporaryDir dir;
    BigBook()
    {
        QStringList lines{QStringLiteral("Big"), QStringLiteral("G"), QString()};
        const int words = smoke() ? 1000 : 100000;
        for (int i = 0; i < words; ++i)
            lines.append(wordLine(0, i));
        WriteUnicodeFile(dir.filePath(QStringLiteral("big.utx")), lines);
    }
};

const BigBook &bigBook()
{
    static const BigBook b;
    return b;
}

void BM_SearchEnterToList(benchmark::State &state)
{
    AppFolders folders;
    folders.WordBookFolder = library().dir.path();
    Settings settings;
    WindowRect place;
    SearchPageContext c;
    c.settings = &settings;
    c.folders = &folders;
    c.detailPlace = &place;
    TSearchPage page(c);
    page.resize(400, 400);
    page.show();
    page.SeaEdit->setText(QStringLiteral("猫"));
    for (auto _ : state) {
        page.Search();
        const QPixmap painted = page.ListView3->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
    state.counters["hits"] = double(page.hitModel()->rowCount());
}
BENCHMARK(BM_SearchEnterToList)->Unit(benchmark::kMillisecond);

// "あいまい": ICU's collation search over the same folder (no goal; for the record).
void BM_SearchLoose(benchmark::State &state)
{
    for (auto _ : state) {
        const WordBookSearchResult r =
            SearchWordBooks(library().dir.path(), 0, QStringLiteral("WORD5X77"), true);
        benchmark::DoNotOptimize(r.hits.size());
        state.counters["hits"] = double(r.hits.size());
    }
}
BENCHMARK(BM_SearchLoose)->Unit(benchmark::kMillisecond);

void BM_RipgrepCountFloor(benchmark::State &state)
{
    const QString folder = library().dir.path();
    for (auto _ : state) {
        QProcess rg;
        rg.start(QStringLiteral("rg"), {QStringLiteral("-F"), QStringLiteral("-c"),
                                        QStringLiteral("猫"), folder});
        if (!rg.waitForFinished(60000)) {
            state.SkipWithError("rg did not run");
            break;
        }
        benchmark::DoNotOptimize(rg.readAllStandardOutput().size());
    }
}
BENCHMARK(BM_RipgrepCountFloor)->Unit(benchmark::kMillisecond);

void BM_EditorOpen(benchmark::State &state)
{
    AppFolders folders;
    folders.WordBookFolder = bigBook().dir.path();
    Settings settings;
    FakeDialogs dialogs;
    EditorContext c;
    c.settings = &settings;
    c.folders = &folders;
    c.dialogs = &dialogs;
    c.fileName = QStringLiteral("big.utx");
    c.title = QStringLiteral("Big");
    for (auto _ : state) {
        WindowRect place;
        TEditorFrm editor(c, place);
        editor.Load();
        const QPixmap first = editor.grab();
        benchmark::DoNotOptimize(first.cacheKey());
        state.PauseTiming();
        state.counters["rows"] = editor.gridModel()->rowCount();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorOpen)->Unit(benchmark::kMillisecond);

void BM_EditorSave(benchmark::State &state)
{
    const QString folder = bigBook().dir.path();
    const EditorBook book = LoadEditorBook(folder, QStringLiteral("big.utx")).book;
    for (auto _ : state) {
        const WriteResult r = SaveEditorBook(folder, QStringLiteral("saved.utx"), book);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond);

void BM_ReadWriteBytesFloor(benchmark::State &state)
{
    const QString folder = bigBook().dir.path();
    QByteArray bytes;
    ReadFileBytes(folder + QStringLiteral("/big.utx"), &bytes);
    for (auto _ : state) {
        QByteArray read;
        ReadFileBytes(folder + QStringLiteral("/big.utx"), &read);
        const WriteResult r = WriteFileBytes(folder + QStringLiteral("/copy.utx"), read);
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_ReadWriteBytesFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
