#include "starlife/life_scale.h"

#include "evolution/phases.h"

#include <algorithm>
#include <cmath>

namespace starlife {

using evolution::PhaseOf;

LifeScale::LifeScale(const evolution::Track &track)
{
    const std::vector<evolution::StarState> &points = track.points;
    const double first = points.empty() ? 0 : points.front().time;
    const double last = points.empty() ? 0 : points.back().time;
    const double total = last - first;
    if (points.size() < 2 || !(total > 0)) {
        m_knots = {{0, first}, {1, last}};
        return;
    }
    // The phases as runs of points: each lasts from its first point to the
    // next phase's first point (the last one to the track's end).
    struct Run {
        std::size_t first, end; // the points [first, end), and the point where it ends
        double duration;
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < points.size();) {
        std::size_t next = i + 1;
        while (next < points.size() && PhaseOf(points[next].type) == PhaseOf(points[i].type))
            ++next;
        const std::size_t end = std::min(next, points.size() - 1);
        runs.push_back({i, end, points[end].time - points[i].time});
        i = next;
    }
    // A phase the model passes in no time at all takes no room.
    const auto lasting = std::count_if(runs.begin(), runs.end(), [](const Run &run) { return run.duration > 0; });
    double position = 0;
    for (const Run &run : runs) {
        if (!(run.duration > 0))
            continue;
        const double share = 0.5 / double(lasting) + 0.5 * run.duration / total;
        const std::size_t steps = run.end - run.first;
        for (std::size_t j = 0; j < steps; ++j)
            m_knots.push_back({position + share * double(j) / double(steps), points[run.first + j].time});
        position += share;
    }
    m_knots.push_back({1, last});
}

double LifeScale::AgeAt(double position) const
{
    position = std::clamp(position, 0.0, 1.0);
    const auto upper = std::upper_bound(
        m_knots.begin(), m_knots.end(), position, [](double value, const Knot &knot) { return value < knot.position; });
    if (upper == m_knots.begin())
        return m_knots.front().age;
    if (upper == m_knots.end())
        return m_knots.back().age;
    const Knot &a = *(upper - 1), &b = *upper;
    return a.age + (b.age - a.age) * (position - a.position) / (b.position - a.position);
}

double LifeScale::PositionOf(double age) const
{
    const auto upper = std::lower_bound(
        m_knots.begin(), m_knots.end(), age, [](const Knot &knot, double value) { return knot.age < value; });
    if (upper == m_knots.begin())
        return m_knots.front().position;
    if (upper == m_knots.end())
        return m_knots.back().position;
    const Knot &a = *(upper - 1), &b = *upper;
    return a.position + (b.position - a.position) * (age - a.age) / (b.age - a.age);
}

double ClusterAgeAt(double position)
{
    const double span = std::log(evolution::kTrackEnd / kYoungestCluster);
    return kYoungestCluster * std::exp(std::clamp(position, 0.0, 1.0) * span);
}

double ClusterPositionOf(double age)
{
    if (!(age > kYoungestCluster))
        return 0;
    return std::min(1.0, std::log(age / kYoungestCluster) / std::log(evolution::kTrackEnd / kYoungestCluster));
}

} // namespace starlife
