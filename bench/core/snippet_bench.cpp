#include "snippet.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using quillamp::ComposeSnippet;
using quillamp::StyleSettings;

struct Inputs {
    explicit Inputs(std::int64_t textBytes)
        : text(static_cast<std::size_t>(textBytes), 'x')
    {
        settings.strFontName = "DejaVu Sans";
        settings.intFontSize = 3;
        settings.BoolFontBold = true;
        settings.BoolFontItalic = true;
        settings.strFontColor = "FF0000";
        settings.intAlignment = "2";
        settings.strAlignment = "Center";
    }
    std::string Compose() const { return ComposeSnippet(settings, website, fileName, text); }

    StyleSettings settings;
    std::string website = "http://www.example.com/sounds";
    std::string fileName = "tune.mid";
    std::string text;
};

void BM_ComposeSnippet(benchmark::State& state)
{
    const Inputs inputs(state.range(0));
    const std::size_t fragmentBytes = inputs.Compose().size();
    for (auto _ : state) {
        std::string fragment = inputs.Compose();
        benchmark::DoNotOptimize(fragment.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fragmentBytes));
}

// The floor: one allocation of the fragment's length and one copy of its bytes.
void BM_Floor(benchmark::State& state)
{
    const std::string fragment = Inputs(state.range(0)).Compose();
    for (auto _ : state) {
        std::string copy(fragment);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fragment.size()));
}

constexpr std::int64_t kKiB = 1024;
BENCHMARK(BM_ComposeSnippet)->Arg(kKiB)->Arg(kKiB* kKiB)->Arg(32 * kKiB * kKiB);
BENCHMARK(BM_Floor)->Arg(kKiB)->Arg(kKiB* kKiB)->Arg(32 * kKiB * kKiB);

} // namespace

BENCHMARK_MAIN();
