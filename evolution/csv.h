// Tracks and isochrones as CSV text, the same for the command line and for a
// window's "save as CSV": a header line, then one line per point, fields
// separated by commas, numbers with a decimal point whatever the locale.
#pragma once

#include "evolution/isochrone.h"
#include "evolution/track.h"

#include <string>

namespace evolution {

// t_Myr,type,mass,core_mass,log_L,log_R,log_Teff - one line per step of the driver.
std::string TrackCsv(const Track &track);

// initial_mass,type,mass,log_L,log_R,log_Teff - one line per star.
std::string IsochroneCsv(const Isochrone &isochrone);

// A number in the shortest form that keeps the given significant digits
// ("12463.5361", "0.52", "-1.8562", "1e-10").
std::string FormatNumber(double value, int significantDigits);

} // namespace evolution
