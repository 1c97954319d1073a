// Generate Code through the real window, beside the cost of merely showing the same
// fragment in a bare text box; and the window's start-up with a long font list.
#include "fake_platform.h"
#include "form1.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quillamp;

PlatformServices FakeServices(QStringList fonts)
{
    return {std::make_unique<test::FakeCommonDialog>(),
            std::make_unique<test::FakeFontList>(std::move(fonts)),
            std::make_unique<test::FakeClipboard>()};
}

// Forces the layout of the box's (single, long) paragraph, as showing it would.
void LayOut(QPlainTextEdit& box)
{
    QTextDocument* document = box.document();
    benchmark::DoNotOptimize(document->documentLayout()->blockBoundingRect(document->firstBlock()));
}

QString LongText(std::int64_t bytes)
{
    QString text;
    text.reserve(bytes);
    const QString word = QStringLiteral("lorem ipsum dolor sit amet ");
    while (text.size() < bytes) {
        text += word;
    }
    text.truncate(bytes);
    return text;
}

void BM_GenerateCode(benchmark::State& state)
{
    Form1 window(FakeServices({"Arial"}));
    window.findChild<QPlainTextEdit*>("txtText")->setPlainText(LongText(state.range(0)));
    auto* generate = window.findChild<QPushButton*>("cmdGenerateCode");
    auto* code = window.findChild<QPlainTextEdit*>("txtCode");
    for (auto _ : state) {
        generate->click();
        LayOut(*code);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_GenerateCodeFloor(benchmark::State& state)
{
    // The same fragment set into a bare box of the same size: what Qt needs to show it.
    Form1 window(FakeServices({"Arial"}));
    window.findChild<QPlainTextEdit*>("txtText")->setPlainText(LongText(state.range(0)));
    window.findChild<QPushButton*>("cmdGenerateCode")->click();
    const QString fragment = window.findChild<QPlainTextEdit*>("txtCode")->toPlainText();
    QPlainTextEdit bare;
    bare.setFont(window.findChild<QPlainTextEdit*>("txtCode")->font());
    bare.resize(569, 89);
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (auto _ : state) {
        bare.setPlainText(fragment);
        LayOut(bare);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_FormLoad(benchmark::State& state)
{
    QStringList fonts;
    for (int i = 0; i < state.range(0); ++i) {
        // Scrambled so the sort has real work to do.
        fonts << QStringLiteral("Font %1").arg(std::int64_t{i} * 7919 % state.range(0), 4, 10,
                                               QChar('0'));
    }
    for (auto _ : state) {
        Form1 window(FakeServices(fonts));
        benchmark::DoNotOptimize(window.settings.strFontName.data());
    }
}

constexpr std::int64_t KiB = 1024;
BENCHMARK(BM_GenerateCode)
    ->Arg(KiB)
    ->Arg(KiB* KiB)
    ->Arg(4 * KiB * KiB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateCodeFloor)
    ->Arg(KiB)
    ->Arg(KiB* KiB)
    ->Arg(4 * KiB * KiB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormLoad)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
