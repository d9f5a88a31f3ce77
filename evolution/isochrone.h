// Isochrones: every star of 0.1-100 solar masses at one age, as a star
// cluster born at once shows them, with the main-sequence turn-off and its
// mass, from the evolution model of Hurley, Pols & Tout (2000, MNRAS 315, 543)
// with the zero-age main sequence of Tout et al. (1996, MNRAS 281, 257).
//
// Made for an age slider: IsochroneGrid evolves the tracks of a fixed set of
// initial masses once (a tenth of a second or so, when a window opens); each
// isochrone is then a few milliseconds. Main-sequence stars that lose no mass
// are computed exactly at any mass; other stars between two tracks of the set
// are interpolated at the same fraction of the same phase (equivalent
// evolutionary points), in log L, log R and the masses linear in log mass.
// The masses are refined where neighbouring points lie far apart on the
// diagram, so the turn-off, the subgiants and the giant branches are sampled
// densely and a jump (a helium flash, a star ending as a white dwarf) is
// bracketed within a millionth of the mass.
#pragma once

#include "evolution/track.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace evolution {

struct IsochronePoint {
    double initialMass = 0;
    StarState state; // state.time is the isochrone's age
    // The point continues the curve from the previous one (false at a jump on
    // the diagram, such as the helium flash or the step from the last giant
    // to the white dwarfs).
    bool joinsPrevious = false;
};

struct Isochrone {
    double age = 0; // Myr
    std::vector<IsochronePoint> points; // increasing initial mass; stars with nothing left are omitted
    // The most massive star still on the main sequence; none while every star
    // of 0.1-100 Msun still is (ages below about 3.35 Myr).
    std::optional<double> turnOffMass;
    std::optional<std::size_t> turnOffIndex; // its point
};

class IsochroneGrid {
public:
    // Evolves the tracks of the mass set, massesPerDecade per factor of ten
    // (log-spaced from 0.1 to 100 Msun, both ends included) to 30000 Myr.
    explicit IsochroneGrid(int massesPerDecade = kDefaultMassesPerDecade);

    // The isochrone at an age, clamped to 0-15000 Myr.
    Isochrone At(double age) const;

    // The star of an initial mass (0.1-100 Msun) at an age; none when nothing
    // is left of it, or when it lies between two tracks that end differently
    // (a white dwarf and a neutron star, say) and cannot be interpolated.
    std::optional<StarState> StateOf(double initialMass, double age) const;

    // The most massive star still on the main sequence at an age.
    std::optional<double> TurnOffMass(double age) const;

    const std::vector<Track> &tracks() const { return tracks_; }

    static constexpr int kDefaultMassesPerDecade = 80;

private:
    struct Segment {
        StellarType type;
        double start; // Myr
    };
    struct TrackInfo {
        std::vector<Segment> segments;
        double mainSequenceEnd; // Myr; infinite when still on it at the track's end
        bool windlessMainSequence; // no mass lost on the main sequence: it can be computed exactly
    };

    std::optional<StarState> Interpolated(std::size_t lower, double logMass, double age) const;
    double MainSequenceEnd(std::size_t lower, double logMass) const;

    std::vector<Track> tracks_;
    std::vector<TrackInfo> info_;
    std::vector<double> logMasses_;
};

} // namespace evolution
