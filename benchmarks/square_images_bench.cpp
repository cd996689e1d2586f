// square_images_bench: the time to render the 24 square images at zoom 1, 2 and 4 (squares of
// round(31 Z) pixels, pieces of round(24 Z)), as a zoom step does, beside the same 24 images rendered
// the plain way, every sub-sample summing its 69 light samples one by one (the tests' model, which
// gives the same bytes). Run with repetitions and random interleaving, so that both are measured side by
// side while the machine's speed drifts:
//   build/square_images_bench --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
//       --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "tests/ui/square_images_model.h"
#include "ui/square_images.h"

namespace {

// The zoom's square size and piece diameter; the argument is the zoom in percent.
int squareSize(const benchmark::State& state) { return static_cast<int>(std::lround(31 * state.range(0) / 100.0)); }
int pieceDiameter(const benchmark::State& state) {
    return static_cast<int>(std::lround(24 * state.range(0) / 100.0));
}

// The program's renderer: the light samples built, the 24 images rendered over the last ones, the samples
// released, as the program does for a new zoom.
void renderSquareImagesBench(benchmark::State& state) {
    const int n = squareSize(state), R = pieceDiameter(state);
    for (auto _ : state) renderSquareImages(n, R);
    state.SetLabel("n=" + std::to_string(n) + " R=" + std::to_string(R));
}

// The plain model: each of the 24 images rendered on its own, sample by sample.
void renderPerSampleModelBench(benchmark::State& state) {
    const int n = squareSize(state), R = pieceDiameter(state);
    for (auto _ : state) {
        const square_model::Light light = square_model::modelLight();
        for (int content = 0; content < 3; ++content)
            for (int raised = 0; raised < 2; ++raised)
                for (int highlighted = 0; highlighted < 2; ++highlighted)
                    for (int lit = 0; lit < 2; ++lit)
                        benchmark::DoNotOptimize(square_model::render(
                            light, square_model::sceneOf(n, R, content, raised, highlighted, lit)));
    }
    state.SetLabel("n=" + std::to_string(n) + " R=" + std::to_string(R));
}

}  // namespace

BENCHMARK(renderSquareImagesBench)->ArgName("zoom%")->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(renderPerSampleModelBench)->ArgName("zoom%")->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
