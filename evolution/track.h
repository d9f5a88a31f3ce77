// The life of one star: its evolution track from the zero-age main sequence,
// one point per step of the time-stepping driver, and its state at any age in
// between (for an animation). Single stars of 0.1-100 solar masses at solar
// metallicity (Z = 0.02), after Hurley, Pols & Tout (2000, MNRAS 315, 543) and
// Tout et al. (1996, MNRAS 281, 257). Units: solar masses, luminosities and
// radii; Myr; K. Pure C++, no Qt.
#pragma once

#include <vector>

namespace evolution {

inline constexpr double kMinimumMass = 0.1; // Msun
inline constexpr double kMaximumMass = 100;
inline constexpr double kTrackEnd = 15000; // Myr, the end of the model's reference tracks
inline constexpr double kLongestTrack = 2 * kTrackEnd; // beyond the reference tracks, for bracketing isochrones

// The stellar types of the model (kw). The phases a student reads are in phases.h.
enum class StellarType {
    LowMassMainSequence = 0, // deeply or fully convective, M < 0.72
    MainSequence = 1,
    HertzsprungGap = 2,
    GiantBranch = 3,
    CoreHeliumBurning = 4,
    EarlyAsymptoticGiantBranch = 5,
    ThermallyPulsingAsymptoticGiantBranch = 6,
    NakedHeliumMainSequence = 7,
    NakedHeliumHertzsprungGap = 8,
    NakedHeliumGiantBranch = 9,
    HeliumWhiteDwarf = 10,
    CarbonOxygenWhiteDwarf = 11,
    OxygenNeonWhiteDwarf = 12,
    NeutronStar = 13,
    BlackHole = 14,
    MasslessRemnant = 15,
};

// A star at one moment of its life.
struct StarState {
    double time = 0; // Myr since the zero-age main sequence
    StellarType type = StellarType::MainSequence;
    double formulaMass = 0; // the mass the fits use (the initial mass until winds or the helium flash change it)
    double mass = 0; // current total mass
    double coreMass = 0;
    double luminosity = 0; // Lsun
    double radius = 0; // Rsun
    double temperature = 0; // effective temperature, K
    double epoch = 0; // Myr; the fits' age is time - epoch

    int typeNumber() const { return static_cast<int>(type); }
};

struct Track {
    double initialMass = 0;
    std::vector<StarState> points; // one per step of the driver, time increasing
};

// The track of a star of the given initial mass (clamped to 0.1-100 Msun) from
// the zero-age main sequence to endTime (clamped to 0-30000 Myr) or until
// nothing is left of it (type 15). The last point lies at endTime.
Track EvolveTrack(double initialMass, double endTime = kTrackEnd);

// The star at a time within the track: the driver's own point where there is
// one. In between, main-sequence stars that lose no mass and remnants are
// computed exactly at that age; other stars between two points of the same
// type have log L, log R and the masses linear in time (Teff follows from L
// and R); between two points of different types the earlier point is held (a
// phase change happens at the later point). Before the first point the first,
// after the last the last.
StarState StateAt(const Track &track, double time);

// Effective temperature of a star of luminosity L and radius R (solar units) as
// the model's tracks compute it: 1000 (1130 L / R^2)^(1/4) K (5798 K for the Sun).
double EffectiveTemperature(double luminosity, double radius);

} // namespace evolution
