// The transfer encodings over a pad of 100,000 characters (VELMOR_BENCH_SMOKE=1: 1,000).
#include <QGuiApplication>
#include <QTemporaryDir>

#include "settings.h"
#include "transfercontent.h"
#include "transferencodings.h"

#include <benchmark/benchmark.h>

namespace {

qsizetype padSize()
{
    return qEnvironmentVariableIsSet("VELMOR_BENCH_SMOKE") ? 1000 : 100000;
}

// European text with accents, IPA, line breaks and a few characters above U+FFFF.
QString padText()
{
    const QString sample =
        QStringLiteral("Ça va très bien, ˈɡʊtn̩ ˈtaːk! ñandú\n") + QString::fromUcs4(U"\U0001D11E");
    QString text;
    while (text.size() < padSize())
        text += sample;
    text.truncate(padSize());
    if (text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

void BM_HexCharRefs(benchmark::State &state)
{
    const QString text = padText();
    for (auto _ : state)
        benchmark::DoNotOptimize(HexCharRefs(text));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_HexCharRefs)->Unit(benchmark::kMillisecond);

void BM_DecimalCharRefs(benchmark::State &state)
{
    const QString text = padText();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecimalCharRefs(text));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_DecimalCharRefs)->Unit(benchmark::kMillisecond);

void BM_RtfUnicodeEscape(benchmark::State &state)
{
    const QString text = padText();
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfUnicodeEscape(text));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_RtfUnicodeEscape)->Unit(benchmark::kMillisecond);

void BM_RtfDocumentBytes(benchmark::State &state)
{
    const QString text = padText();
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfDocumentBytes(
            BuildRtfDocument(0, 20, text, QStringLiteral("Times New Roman"), u"froman")));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_RtfDocumentBytes)->Unit(benchmark::kMillisecond);

// The clipboard's rich text of modes 0, 4 and 10; its floor is RtfUnicodeEscape.
void BM_RtfFragmentBytes(benchmark::State &state)
{
    const QString text = TransferSourceText(padText());
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfDocumentBytes(
            BuildRtfFragment(0, 20, text, QStringLiteral("Times New Roman"), u"froman", 1036)));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_RtfFragmentBytes)->Unit(benchmark::kMillisecond);

void BM_TransferHtml(benchmark::State &state)
{
    const QString text = TransferSourceText(padText());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TransferHtml(text, QStringLiteral("Times New Roman"), 20, QStringLiteral("fr-FR")));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_TransferHtml)->Unit(benchmark::kMillisecond);

// The floor of the HTML flavour: the text to UTF-8, as the clipboard stores it.
void BM_Utf8Floor(benchmark::State &state)
{
    const QString text = padText();
    for (auto _ : state)
        benchmark::DoNotOptimize(text.toUtf8());
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_Utf8Floor)->Unit(benchmark::kMillisecond);

// The whole clipboard step of a transfer in a mode, Work.rtf included for mode 4.
void BM_PrepareTransfer(benchmark::State &state)
{
    const int mode = int(state.range(0));
    TransferFields fields;
    fields.padText = padText();
    Settings settings;
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(PrepareTransfer(mode, fields, settings, dir.path()));
    state.SetItemsProcessed(state.iterations() * fields.padText.size());
}
BENCHMARK(BM_PrepareTransfer)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The family word of the rich modes reads the installed fonts.
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
