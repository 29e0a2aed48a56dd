// Registering one word into a book of 100,000 words, as F4 does it: the rows change, the
// whole file is rewritten, the list shows the new row selected. Measured through the main
// window's own command path, against the parts of it (row change, file write).
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "fakedialogs.h"
#include "fakeplatform.h"
#include "folders.h"
#include "tmainfrm.h"
#include "wordbookcontroller.h"
#include "wordcommandcontroller.h"
#include "wordcommands.h"
#include "wordlistmodel.h"

#include <benchmark/benchmark.h>

namespace {

int bookSize()
{
    return qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE") ? 1000 : 100000;
}

WordEntry newWord()
{
    return {QStringLiteral("façade"),
            QStringLiteral("fəˈsɑːd"),
            QStringLiteral("ファサード"),
            QStringLiteral("建物の正面"),
            QStringLiteral("名詞"),
            QString(),
            QString()};
}

struct Desk
{
    QTemporaryDir dir;
    FakeDialogs dialogs;
    FakeFolderRoots roots;
    FakeShell shell;
    FakeInputMethod inputMethod;
    FakeWindowSystem windows;
    Platform platform;
    AppFolders folders;
    std::unique_ptr<TMainFrm> window;

    Desk()
    {
        const QString root = dir.path();
        qputenv("HOME", root.toUtf8());
        roots.programFiles = root + QStringLiteral("/programs");
        roots.appData = root + QStringLiteral("/appdata");
        roots.documents = root + QStringLiteral("/Documents");
        platform.dialogs = &dialogs;
        platform.roots = &roots;
        platform.shell = &shell;
        platform.inputMethod = &inputMethod;
        platform.windows = &windows;
        folders = ResolveFolders(roots);
        CreateFolders(folders, dialogs);
        QDir().mkpath(folders.ProgramFolder);
        WordBook book;
        book.title = QStringLiteral("Big");
        book.group = QStringLiteral("名詞");
        book.fileName = QStringLiteral("big.utx");
        for (int i = 0; i < bookSize(); ++i)
            book.words.append({QStringLiteral("word%1").arg(i), QStringLiteral("ˈwɜːd"),
                               QStringLiteral("ワード"), QStringLiteral("単語 %1").arg(i),
                               QStringLiteral("note"), QString(), QStringLiteral("#FF0000")});
        const QString bookFolder = folders.documentsFolder(QStringLiteral("bookA"));
        QDir().mkpath(bookFolder);
        SaveWordBook(bookFolder, book);
        window = std::make_unique<TMainFrm>(platform, folders);
        window->resize(1000, 700);
        window->show();
        window->wordBooks()->OpenListedBook(book.fileName);
    }
};

// Made on first use, released before the application object goes.
std::unique_ptr<Desk> theDesk;

Desk &desk()
{
    if (!theDesk)
        theDesk = std::make_unique<Desk>();
    return *theDesk;
}

// The whole registration after the dialog's "追加(F4)": rows, file, list, count, selection.
void BM_RegisterWordThroughWindow(benchmark::State &state)
{
    Desk &d = desk();
    WordBookController &books = *d.window->wordBooks();
    for (auto _ : state) {
        QList<WordEntry> rows = books.wordListModel()->words();
        const int at = InsertWordRow(rows, int(rows.size()), newWord());
        if (!d.window->WordCommands->StoreRows(rows, at))
            state.SkipWithError("save failed");
        QApplication::processEvents();
        state.PauseTiming();
        // Back to the same size, so every iteration registers into the same book.
        rows.removeLast();
        books.wordListModel()->setWords(rows);
        state.ResumeTiming();
    }
    state.counters["words"] = books.wordListModel()->rowCount();
}
BENCHMARK(BM_RegisterWordThroughWindow)->Unit(benchmark::kMillisecond);

// The row change alone.
void BM_InsertRow(benchmark::State &state)
{
    const QList<WordEntry> base = desk().window->wordBooks()->wordListModel()->words();
    for (auto _ : state) {
        QList<WordEntry> rows = base;
        benchmark::DoNotOptimize(InsertWordRow(rows, 0, newWord()));
    }
}
BENCHMARK(BM_InsertRow)->Unit(benchmark::kMillisecond);

// The file write alone: the floor of any saving command.
void BM_SaveBook(benchmark::State &state)
{
    Desk &d = desk();
    const WordBook book = d.window->wordBooks()->bookWithRows();
    for (auto _ : state)
        if (!SaveWordBook(d.folders.WordBookFolder, book))
            state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveBook)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theDesk.reset();
    return 0;
}
