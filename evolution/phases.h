// The phases of a star's life as a student names them, and the table of a
// track's phases (when each begins and how long it lasts). Labels are English;
// a window translates them (they are meant to be looked up as they are). The
// stellar types are those of Hurley, Pols & Tout (2000, MNRAS 315, 543).
#pragma once

#include "evolution/track.h"

#include <vector>

namespace evolution {

enum class Phase {
    MainSequence, // types 0, 1
    Subgiant, // 2
    RedGiant, // 3
    HeliumBurning, // 4
    AsymptoticGiantBranch, // 5, 6
    HeliumStar, // 7: a helium star stripped of its hydrogen envelope
    EvolvedHeliumStar, // 8, 9
    WhiteDwarf, // 10, 11, 12
    NeutronStar, // 13
    BlackHole, // 14
    NothingLeft, // 15: the star destroyed itself
};

inline constexpr int kPhaseCount = static_cast<int>(Phase::NothingLeft) + 1;

Phase PhaseOf(StellarType type);

// "main-sequence star", "subgiant", "red giant", ...
const char *PhaseLabel(Phase phase);

// The finer description of each stellar type, e.g. "red dwarf on the main
// sequence" or "white dwarf (oxygen-neon)".
const char *TypeDescription(StellarType type);

struct PhaseSpan {
    Phase phase = Phase::MainSequence;
    double start = 0; // Myr since the zero-age main sequence
    double duration = 0; // Myr
    bool continuesAfterTrack = false; // still in this phase at the track's last point
};

// Consecutive points of one phase form one span, in the order they occur.
std::vector<PhaseSpan> PhaseTable(const Track &track);

} // namespace evolution
