// Handing an evolving star to the diagram windows, which read a temperature
// (K) and an absolute visual magnitude and turn the magnitude back into a
// luminosity with model::LuminosityFromMagnitude(mv, ConstantSet::Plot).
#pragma once

#include <optional>

namespace evolution {

// The magnitude that the diagrams' plot relation maps back to the given
// luminosity (Lsun), to 1e-15 of a magnitude, so that the temperature
// and magnitude handed over agree with the evolution's L and Teff. None for a
// luminosity that relation never gives: at or below its floor of about
// 0.037 Lsun (white dwarfs, neutron stars, black holes), or not finite.
std::optional<double> DiagramMagnitude(double luminosity);

// That floor (Lsun): the faintest luminosity the diagrams' relation gives.
double FaintestDiagramLuminosity();

} // namespace evolution
