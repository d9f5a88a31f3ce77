// Where the age slider of the star evolution window stands in time. For one
// star's life every phase gets room of its own on the slider, half of it
// shared equally among the phases and half in proportion to their durations,
// and inside a phase the driver's own steps lie evenly: a phase lasting a
// thousandth of the life still takes its share of an animation, and the
// slider moves fastest in time where the star changes least. For a star
// cluster the slider runs over the logarithm of the age. Pure C++.
#pragma once

#include "evolution/track.h"

#include <vector>

namespace starlife {

class LifeScale {
public:
    explicit LifeScale(const evolution::Track &track);

    // The age (Myr) at a position from 0 (the zero-age main sequence) to 1
    // (the track's end), clamped.
    double AgeAt(double position) const;
    // The position of an age within the track, clamped: AgeAt's inverse.
    double PositionOf(double age) const;

private:
    struct Knot {
        double position, age;
    };
    std::vector<Knot> m_knots; // position and age increasing
};

// Cluster ages, 1 Myr at 0 to 15000 Myr at 1, evenly in log age.
inline constexpr double kYoungestCluster = 1; // Myr
double ClusterAgeAt(double position);
double ClusterPositionOf(double age);

} // namespace starlife
