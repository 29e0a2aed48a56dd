// From the key event of a trigger in the pad to the candidate window painted and
// closed again, in-process on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTimer>

#include "inputcontroller.h"
#include "tcandfrm.h"

#include <benchmark/benchmark.h>

namespace {

QString candLine(QChar trigger, int first)
{
    QStringList fields{QStringLiteral("\"%1\"").arg(trigger)};
    for (int n = 0; n < 9; ++n)
        fields.append(QStringLiteral("\"%1\"").arg(first + n, 4, 16, QChar(u'0')).toUpper());
    return fields.join(u',');
}

void BM_TriggerToWindowPainted(benchmark::State &state)
{
    Settings settings;
    AppFolders folders;
    Platform platform;
    QWidget window;
    QPlainTextEdit pad(&window);
    QAction band(&window);
    InputController input(settings, folders, platform, &window);
    // A full table: the trigger is its last line, the names list as long as it gets.
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines.append(candLine(QChar(0x4E00 + i), 0x100 + 9 * i));
    lines.append(candLine(u'[', 0xE0));
    input.states().letter.tables.table = BuildTriggerTable(lines);
    for (char16_t c : DistinctCandidates(input.states().letter.tables.table))
        input.states().letter.tables.names.append(
            {c, QStringLiteral("名前"), QStringLiteral("NAME"), 0, QString()});
    input.Attach({&pad, nullptr, nullptr, nullptr, nullptr, nullptr, &band});
    window.show();
    pad.setFocus();
    int opened = 0;
    input.setWindowShownHook([&opened](TCandidateWindow &w) {
        ++opened;
        w.show();
        // Painted in full before the window goes again.
        w.grab();
        QTimer::singleShot(0, &w, &QDialog::reject);
    });
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_BracketLeft, Qt::NoModifier, QStringLiteral("["));
        QApplication::sendEvent(&pad, &press);
    }
    if (opened != int(state.iterations()))
        state.SkipWithError("the candidate window did not open for every key");
    state.counters["windows"] = opened;
}
BENCHMARK(BM_TriggerToWindowPainted)->Unit(benchmark::kMillisecond);

// The floor: an empty window of the same size and kind shown, painted and closed
// through a local event loop, with no table, cell or key routing.
void BM_FloorBareWindowPainted(benchmark::State &state)
{
    QWidget owner;
    owner.show();
    for (auto _ : state) {
        QDialog w(&owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                              Qt::WindowDoesNotAcceptFocus);
        w.setAttribute(Qt::WA_ShowWithoutActivating);
        w.setFixedSize(524, 100);
        w.show();
        w.grab();
        QEventLoop loop;
        QObject::connect(&w, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, &w, &QDialog::reject);
        loop.exec(QEventLoop::DialogExec);
    }
}
BENCHMARK(BM_FloorBareWindowPainted)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
