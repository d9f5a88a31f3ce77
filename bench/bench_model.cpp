// One click's, one plot's and one read-out refresh's worth of model work.
#include "model/number_format.h"
#include "model/stellar_model.h"

#include <benchmark/benchmark.h>

using namespace model;

namespace {

StarPoint clickGeneral(double x, double y)
{
    StarPoint s;
    s.Temperature = TemperatureFromColumn(x).value_or(s.Temperature);
    s.AbsMagnitude = MagnitudeFromRow(y, 472);
    s.Luminosity = LuminosityFromMagnitude(s.AbsMagnitude, ConstantSet::Click);
    s.Radius = RadiusFromLuminosity(s.Luminosity, s.Temperature, ConstantSet::Click);
    s.RadiusKm = RadiusKmFromRadius(s.Radius, ConstantSet::Click);
    return s;
}

StarPoint clickMainSequence(double x, double y)
{
    StarPoint s = clickGeneral(x, y);
    s.Mass = MassFromLuminosity(s.Luminosity);
    s.MassKg = MassKgFromMass(s.Mass);
    s.Lifetime = LifetimeFromMass(s.Mass, ConstantSet::Click);
    return s;
}

// A click on every column in turn along the Sun's row.
template <StarPoint (*Click)(double, double)> void BM_Click(benchmark::State &state)
{
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Click(x, 249));
        x = x >= 319 ? 0 : x + 1;
    }
}
BENCHMARK(BM_Click<clickGeneral>)->Name("BM_ClickGeneral");
BENCHMARK(BM_Click<clickMainSequence>)->Name("BM_ClickMainSequence");

void BM_PlotStar(benchmark::State &state)
{
    const double temperatures[] = {3000, 5963, 7500, 9940, 25000};
    int i = 0;
    for (auto _ : state) {
        const double t = temperatures[i++ % 5];
        StarPoint s;
        s.PlotColumn = ColumnFromTemperature(t).value_or(0);
        s.PlotHeight = HeightFromMagnitude(4.78);
        s.PlotRow = RowFromHeight(s.PlotHeight, 472);
        s.Luminosity = LuminosityFromMagnitude(4.78, ConstantSet::Plot);
        s.Mass = MassFromLuminosity(s.Luminosity);
        s.MassKg = MassKgFromMass(s.Mass);
        s.Lifetime = LifetimeFromMass(s.Mass, ConstantSet::Plot);
        s.Radius = RadiusFromLuminosity(s.Luminosity, t, ConstantSet::Plot);
        s.RadiusKm = RadiusKmFromRadius(s.Radius, ConstantSet::Plot);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_PlotStar);

// The eight read-outs of the main-sequence window.
void formatReadOuts(const StarPoint &s)
{
    benchmark::DoNotOptimize(FormatNumber(s.Temperature, Pattern::Whole));
    benchmark::DoNotOptimize(FormatNumber(s.AbsMagnitude, Pattern::Fixed2));
    benchmark::DoNotOptimize(FormatNumber(s.Luminosity, Pattern::Fixed2));
    benchmark::DoNotOptimize(FormatNumber(s.Radius, Pattern::Fixed4));
    benchmark::DoNotOptimize(FormatNumber(s.RadiusKm, Pattern::Fixed3));
    benchmark::DoNotOptimize(FormatNumber(s.Mass, Pattern::Fixed2));
    benchmark::DoNotOptimize(FormatNumber(s.MassKg, Pattern::Scientific3));
    benchmark::DoNotOptimize(FormatNumber(s.Lifetime, Pattern::Scientific2));
}

void BM_FormatEightReadOuts(benchmark::State &state)
{
    const StarPoint s = clickMainSequence(187, 249);
    for (auto _ : state)
        formatReadOuts(s);
}
BENCHMARK(BM_FormatEightReadOuts);

void BM_WholeMainSequenceClick(benchmark::State &state)
{
    double x = 0;
    for (auto _ : state) {
        formatReadOuts(clickMainSequence(x, 249));
        x = x >= 319 ? 0 : x + 1;
    }
}
BENCHMARK(BM_WholeMainSequenceClick);

} // namespace

BENCHMARK_MAIN();
