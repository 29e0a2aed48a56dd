// The transfer command's clipboard step from the main window's fields: reading a
// pad of 100,000 characters (VELMOR_BENCH_SMOKE=1: 1,000) out of the editor,
// encoding it, writing "Work.rtf" for mode 4 and handing it to the clipboard.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "fakedialogs.h"
#include "transfercontroller.h"
#include "tshape.h"

#include <benchmark/benchmark.h>

namespace {

QString padText()
{
    const qsizetype size = qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE") ? 1000 : 100000;
    const QString sample = QStringLiteral("Ça va très bien, ˈɡʊtn̩ ˈtaːk! ñandú\n");
    QString text;
    while (text.size() < size)
        text += sample;
    text.truncate(size);
    return text;
}

void BM_CopyTransferText(benchmark::State &state)
{
    QTemporaryDir sys;
    QWidget window;
    QMenu menu;
    QLineEdit indicator, phonetic;
    QPlainTextEdit pad;
    QCheckBox autoPaste;
    TShape lamp;
    QTimer track, paste;
    Settings settings;
    settings.TransMode = int(state.range(0));
    settings.UsrMainFont = QStringLiteral("Liberation Serif");
    AppFolders folders;
    folders.SysFolder = sys.path();
    FakeDialogs dialogs;
    TransferWidgets w{&window,    &menu, &indicator, &pad,  &phonetic,
                      &autoPaste, &lamp, &track,     &paste};
    TransferController controller(w, settings, folders, dialogs, nullptr);
    const QString text = padText();
    pad.setPlainText(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(controller.CopyTransferText());
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_CopyTransferText)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
