// The real stars of the diagram pictures as the star evolution window's
// diagram shows them, faint behind a star's life: each at its effective
// temperature and its luminosity. Generated at build time from
// tools/diagram/real_stars.csv (tools/starlife/make_life_background, which
// says how the luminosity follows from the absolute magnitude).
#pragma once

#include <span>

namespace starlife {

struct BackgroundStar {
    double logTeff; // log10 of the effective temperature in K
    double logLuminosity; // log10 L/Lsun
};

std::span<const BackgroundStar> BackgroundStars();

} // namespace starlife
