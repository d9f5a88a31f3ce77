// Every model function over the whole double range: a result is finite or the
// call throws ModelError; nothing else may come out.
#include "model/stellar_model.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace model;

namespace {

template <class Call> void expectFiniteOrModelError(Call call)
{
    try {
        const double v = call();
        if (!std::isfinite(v))
            std::abort();
    } catch (const ModelError &) { }
}

template <class Call> void expectOptionalFiniteOrModelError(Call call)
{
    try {
        const auto v = call();
        if (v && !std::isfinite(*v))
            std::abort();
    } catch (const ModelError &) { }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2 * sizeof(double))
        return 0;
    double a, b;
    std::memcpy(&a, data, sizeof a);
    std::memcpy(&b, data + sizeof a, sizeof b);
    const ConstantSet set = (size > 16 && (data[16] & 1)) ? ConstantSet::Plot : ConstantSet::Click;

    expectOptionalFiniteOrModelError([&] { return TemperatureFromColumn(a); });
    expectFiniteOrModelError([&] { return MagnitudeFromRow(a, b); });
    expectFiniteOrModelError([&] { return LuminosityFromMagnitude(a, set); });
    expectFiniteOrModelError([&] { return RadiusFromLuminosity(a, b, set); });
    expectFiniteOrModelError([&] { return RadiusKmFromRadius(a, set); });
    expectOptionalFiniteOrModelError([&] { return ColumnFromTemperature(a); });
    expectFiniteOrModelError([&] { return HeightFromMagnitude(a); });
    expectFiniteOrModelError([&] { return RowFromHeight(a, b); });
    expectFiniteOrModelError([&] { return MassFromLuminosity(a); });
    expectFiniteOrModelError([&] { return MassKgFromMass(a); });
    expectFiniteOrModelError([&] { return LifetimeFromMass(a, set); });
    return 0;
}
