#include "stellar_model.h"

#include <cmath>

namespace model {
namespace {

// Every step goes through one of these so that no infinity or NaN escapes.
double checked(double v)
{
    if (std::isnan(v))
        throw ModelError(kInvalidCall);
    if (std::isinf(v))
        throw ModelError(kOverflow);
    return v;
}

double power(double base, double exponent)
{
    if (std::isnan(base) || std::isnan(exponent))
        throw ModelError(kInvalidCall);
    if (base == 0.0 && exponent < 0.0)
        throw ModelError(kDivisionByZero);
    return checked(std::pow(base, exponent));
}

double divide(double a, double b)
{
    if (b == 0.0)
        throw ModelError(kDivisionByZero);
    return checked(a / b);
}

double naturalLog(double v)
{
    if (!(v > 0.0) || std::isinf(v))
        throw ModelError(kInvalidCall);
    return checked(std::log(v));
}

double squareRoot(double v)
{
    if (!(v >= 0.0))
        throw ModelError(kInvalidCall);
    return checked(std::sqrt(v));
}

double exponential(double v)
{
    return checked(std::exp(checked(v)));
}

constexpr double kSunTemperatureForRadius = 5964.26; // not the 5946 K of the frame caption
constexpr double kSunRadiusKm = 695500;

} // namespace

std::optional<double> TemperatureFromColumn(double x)
{
    checked(x);
    // Three fitted pieces that do not join: the fit jumps down at 104/105 and up at 229/230.
    if (x <= 104) {
        double a = checked(95.2 * power(x, 2) + checked(75700 - 2870 * x));
        a = checked(a - 1.88 * power(x, 3));
        a = checked(a + 0.0173 * power(x, 4));
        return checked(a - 0.0000581 * power(x, 5));
    }
    if (x <= 229) {
        double a = checked(0.226 * power(x, 2) + checked(17800 - 113 * x));
        a = checked(a + 0.00054 * power(x, 3));
        return checked(a - 0.00000175 * power(x, 4));
    }
    if (x <= 340) {
        double a = checked(0.00921 * x + 8.2);
        a = checked(a - 0.0000318 * power(x, 2));
        return exponential(a);
    }
    return std::nullopt;
}

double MagnitudeFromRow(double y, double scaleHeight)
{
    const double h = checked(scaleHeight - y - 1);
    return checked(18.9 - checked(0.0636 * h));
}

double LuminosityFromMagnitude(double mv, ConstantSet set)
{
    const double e = exponential(checked(4.36 - checked(0.92 * mv)));
    if (set == ConstantSet::Click)
        return checked(checked(e + 0.1) - 0.06);
    return checked(e + 0.036901896905139);
}

double RadiusFromLuminosity(double l, double t, ConstantSet set)
{
    const double s = checked(power(kSunTemperatureForRadius, 4) * checked(l));
    const double q = divide(s, power(t, 4));
    const double r = squareRoot(q);
    if (set == ConstantSet::Click)
        return checked(checked(r - 0.0016) - 0.00583);
    return checked(r - 0.00615137503366991);
}

double RadiusKmFromRadius(double r, ConstantSet set)
{
    const double km = checked(checked(r) * kSunRadiusKm);
    return set == ConstantSet::Click ? checked(km - 0.54) : km;
}

double LuminosityFromRadius(double r, double t)
{
    return checked(checked(r * r) * power(divide(t, kSunTemperatureForRadius), 4));
}

std::optional<double> ColumnFromTemperature(double t)
{
    checked(t);
    if (t > 80000)
        return std::nullopt;
    const double l = naturalLog(t);
    // Fits of the inverse of the column-to-temperature pieces; they jump at
    // 5520/5521 K and 8700/8701 K and are only close to that inverse.
    if (t <= 5520) {
        double a = checked(114.940527948545 * l + 835.324509145034);
        a = checked(a - 151.88217323309 * power(l, 2));
        a = checked(a + 30.4844581875869 * power(l, 3));
        a = checked(a - 2.40883040559607 * power(l, 4));
        a = checked(a + 0.0680559025554753 * power(l, 5));
        return exponential(a);
    }
    if (t <= 8700) {
        double a
            = checked(divide(262706532.11137, power(l, 2)) + checked(1202627.80586587 - divide(31751549.7920046, l)));
        a = checked(a - divide(1093930232.722, power(l, 3)));
        a = checked(a + divide(11564278591.6001, power(l, 4)));
        a = checked(a - divide(62543469383.7732, power(l, 5)));
        a = checked(a - divide(337396334207.215, power(l, 6)));
        return checked(checked(a + divide(2459468150021.6, power(l, 7))) - 9);
    }
    double a = checked(55596.7076296235 * power(l, 2) + checked(438628.049852354 - 224237.186309673 * l));
    a = checked(a - 9354.21005650475 * power(l, 3));
    a = checked(a + 1133.60701572964 * power(l, 4));
    a = checked(a - 90.5306618561429 * power(l, 5));
    a = checked(a + 4.10097197958563 * power(l, 6));
    return checked(a - 0.0785638110378768 * power(l, 7));
}

double HeightFromMagnitude(double mv)
{
    return checked(0.0092857142857146 * power(mv, 2) + checked(296.514285714286 - 15.7664285714286 * mv));
}

double RowFromHeight(double h, double scaleHeight)
{
    return checked(checked(scaleHeight - h) - 1);
}

double MassFromLuminosity(double l)
{
    if (l < 0)
        throw ModelError(kInvalidCall);
    return power(l, 1.0 / 4.0);
}

double MassKgFromMass(double m)
{
    return checked(checked(m) * 1.989e30);
}

double LifetimeFromMass(double m, ConstantSet set)
{
    if (m < 0)
        throw ModelError(kInvalidCall);
    const double p = power(m, 2.5);
    const double r = divide(1.0, p);
    const double years = checked(r * 1e10);
    return set == ConstantSet::Click ? checked(years + 1e8) : years;
}

} // namespace model
