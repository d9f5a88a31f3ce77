// The evolution model's speed: whole tracks, the one-time preparation of the
// isochrones when a window opens, and isochrone updates while an age slider moves.
#include "evolution/isochrone.h"
#include "evolution/track.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace evolution;

namespace {

void BM_Track(benchmark::State &state)
{
    const double mass = double(state.range(0));
    std::size_t points = 0;
    for (auto _ : state) {
        const Track track = EvolveTrack(mass);
        points = track.points.size();
        benchmark::DoNotOptimize(track.points.data());
    }
    state.counters["points"] = double(points);
}
BENCHMARK(BM_Track)->Arg(1)->Arg(5)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_IsochronePreparation(benchmark::State &state)
{
    for (auto _ : state) {
        const IsochroneGrid grid;
        benchmark::DoNotOptimize(grid.tracks().data());
    }
}
BENCHMARK(BM_IsochronePreparation)->Unit(benchmark::kMillisecond);

// A slider dragged across the ages: 100 consecutive ages, evenly spaced in log
// age from 1 to 15000 Myr; the time per iteration is the whole drag, the
// counters one update's mean and worst.
void BM_IsochroneSliderDrag(benchmark::State &state)
{
    static const IsochroneGrid grid;
    constexpr int kAges = 100;
    double worst = 0, total = 0;
    long updates = 0;
    std::size_t points = 0;
    for (auto _ : state) {
        for (int i = 0; i < kAges; ++i) {
            const double age = std::pow(15000.0, double(i) / (kAges - 1));
            const auto start = std::chrono::steady_clock::now();
            const Isochrone iso = grid.At(age);
            const double ms
                = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            worst = std::max(worst, ms);
            total += ms;
            ++updates;
            points += iso.points.size();
            benchmark::DoNotOptimize(iso.points.data());
        }
    }
    state.counters["update_mean_ms"] = total / double(updates);
    state.counters["update_worst_ms"] = worst;
    state.counters["points_mean"] = double(points) / double(updates);
}
BENCHMARK(BM_IsochroneSliderDrag)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
