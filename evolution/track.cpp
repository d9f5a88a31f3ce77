// The time-stepping driver of the evolution model of Hurley, Pols & Tout
// (2000, MNRAS 315, 543) with the ZAMS of Tout et al. (1996, MNRAS 281, 257):
// winds, rejuvenation of stars that lose mass on the main sequence and in the
// Hertzsprung gap, and the step-size rules (a fraction of each phase, never
// past a phase's end, and the radius allowed to change by about a tenth per step).
#include "evolution/track.h"

#include "evolution/constants.h"
#include "evolution/star_formulas.h"

#include <algorithm>
#include <cmath>

namespace evolution {

using detail::Landmarks;
using detail::Star;

namespace {

// Fractions of a phase taken per step: main sequence, gap and helium main
// sequence; giant branch, core helium burning and helium giants; AGB.
constexpr double kPts1 = 0.05, kPts2 = 0.01, kPts3 = 0.02;
// A guard against a star that stops advancing; real tracks take a few thousand steps.
constexpr int kMaximumSteps = 200000;

Landmarks LandmarksFor(const Star &s)
{
    return s.kw >= 7 && s.kw <= 9 ? detail::HeliumLandmarks(s.M0) : detail::HydrogenLandmarks(s.M0);
}

// A star losing mass on the main sequence, in the gap or on the helium main
// sequence keeps its place in the phase while its formula mass follows its mass.
void Rejuvenate(Star &s, Landmarks &lm, double t, double &epoch)
{
    const double previousAge = s.age;
    const double previousMass = s.M0;
    const Landmarks previous = lm;
    s.M0 = s.Mt;
    lm = LandmarksFor(s);
    if (s.kw <= 1) {
        epoch = t - previousAge * lm.tMS / previous.tMS;
    } else if (s.kw == 7) {
        epoch = t - previousAge * lm.tHeMS / previous.tHeMS;
    } else if (lm.McBGB < s.Mc || previousMass > constants::kMFGB) {
        s.M0 = previousMass;
        lm = previous;
    } else {
        epoch = t - (lm.tMS + (lm.tBGB - lm.tMS) * (previousAge - previous.tMS) / (previous.tBGB - previous.tMS));
    }
}

// The step a phase proposes and the time left until the phase ends.
struct StepProposal {
    double step = 0, remaining = 0;
};

StepProposal ProposeStep(const Star &s, const Landmarks &lm, double tn, double previousStep)
{
    const double age = s.age;
    const auto growthStep = [age](const detail::CoreGrowth &g) { return age < g.tX ? g.tInf1 - age : g.tInf2 - age; };
    switch (s.kw) {
    case 0:
    case 1:
        return {kPts1 * lm.tMS, lm.tMS - age};
    case 2:
        return {kPts1 * (lm.tBGB - lm.tMS), lm.tBGB - age};
    case 3:
        return {kPts2 * growthStep(lm.giantBranch), std::min(lm.tHeI, tn) - age};
    case 4:
        return {kPts2 * lm.tHe, std::min(tn, lm.tBAGB) - age};
    case 5:
        return {kPts3 * growthStep(lm.earlyAgb), std::min(tn, lm.tDU) - age};
    case 6:
        return {std::min(kPts3 * growthStep(lm.thermalPulses), 0.005), tn - age};
    case 7:
        return {kPts1 * lm.tHeMS, lm.tHeMS - age};
    case 8:
    case 9:
        return {kPts2 * growthStep(lm.heliumGiant), tn - age};
    default: {
        const double step = std::min(std::max(0.1, 10 * previousStep), 500.0);
        return {step, step};
    }
    }
}

} // namespace

Track EvolveTrack(double initialMass, double endTime)
{
    const double mass = std::clamp(initialMass, kMinimumMass, kMaximumMass);
    endTime = std::isnan(endTime) ? 0 : std::clamp(endTime, 0.0, kLongestTrack);
    Track track;
    track.initialMass = mass;

    Star s;
    s.kw = 1;
    s.M0 = s.Mt = mass;
    Landmarks lm = detail::HydrogenLandmarks(mass);
    double t = 0, epoch = 0, step = 0, tn = 0;

    for (int n = 0; n < kMaximumSteps; ++n) {
        // Winds, from the state the previous step left.
        if (n > 0) {
            double lost = detail::WindMassLossRate(s) * 1e6 * step;
            if (s.kw < 10 && lost > s.Mt - s.Mc) {
                step *= (s.Mt - s.Mc) / lost;
                lost = s.Mt - s.Mc;
            }
            if (lost > 0.01 * s.Mt) {
                step *= 0.01 * s.Mt / lost;
                lost = 0.01 * s.Mt;
            }
            if (lost > 0) {
                s.Mt -= lost;
                if (s.kw <= 2 || s.kw == 7)
                    Rejuvenate(s, lm, t, epoch);
            }
        }

        t += step;
        s.age = t - epoch;
        tn = detail::NuclearTime(lm, s.Mt, s.kw);
        // Re-deriving the epoch on every step would accumulate rounding; only a reset age moves it.
        if (detail::EvaluatePhase(s, lm, tn))
            epoch = t - s.age;
        track.points.push_back(detail::Snapshot(s, t, epoch));
        if (t >= endTime || s.kw == 15)
            break;

        // The next step: the phase's own, never past the phase's end, and the
        // radius allowed to change by about a tenth.
        const double rOld = s.R, ageOld = s.age;
        const StepProposal proposal = ProposeStep(s, lm, tn, step);
        step = proposal.step;
        double trialAge = ageOld;
        const auto radiusAt = [&](double age) {
            Star trial = s;
            Landmarks trialLandmarks = lm;
            double trialTn = detail::NuclearTime(trialLandmarks, trial.Mt, trial.kw);
            trial.age = age;
            detail::EvaluatePhase(trial, trialLandmarks, trialTn);
            trialAge = age;
            return trial.R;
        };
        const auto tooFar = [rOld](double r) { return std::fabs(r - rOld) > 0.1 * rOld; };

        bool limitRadius = true;
        if (proposal.remaining - proposal.step <= 1e-10 && s.kw <= 9) {
            // The phase ends within the step: look just before its end.
            const double r = radiusAt(std::max(ageOld, ageOld * (1 - 1e-6) + proposal.remaining));
            if (tooFar(r)) {
                step = 0.09 * std::max(r, rOld) * (proposal.remaining - 1e-6 * ageOld) / std::fabs(r - rOld);
            } else {
                step = proposal.remaining;
                limitRadius = false;
            }
        }
        if (limitRadius) {
            for (int failures = 0; failures < 60;) {
                const double r = radiusAt(ageOld + step);
                if (!tooFar(r))
                    break;
                ++failures;
                if (failures == 20 && s.kw == 4)
                    break;
                step *= 0.09 * std::max(rOld, r) / std::fabs(r - rOld);
                if (failures >= 20)
                    step *= 0.5;
            }
        }
        step = std::max(step, 1e-7 * trialAge);
        step = std::min(step, endTime - t);
    }
    return track;
}

StarState StateAt(const Track &track, double time)
{
    const std::vector<StarState> &points = track.points;
    if (points.empty())
        return {};
    if (time <= points.front().time)
        return points.front();
    if (time >= points.back().time)
        return points.back();
    const auto later
        = std::upper_bound(points.begin(), points.end(), time, [](double t, const StarState &p) { return t < p.time; });
    const StarState &a = *(later - 1);
    const StarState &b = *later;
    // Where nothing changes the star but its age, its formulas give it exactly
    // until the next point: a main-sequence star that loses no mass (the
    // driver's steps are a twentieth of its lifetime) and remnants (a white
    // dwarf's steps grow to 500 Myr while it fades by a power of its age).
    const int kw = a.typeNumber();
    if (kw >= 10 && kw <= 14)
        return detail::Snapshot(detail::RemnantStar(kw, a.mass, time - a.epoch), time, a.epoch);
    if (kw <= 1 && a.mass == track.initialMass && b.mass == track.initialMass && a.epoch == 0)
        return detail::Snapshot(detail::MainSequenceStar(track.initialMass, time), time, 0);
    if (a.type != b.type || b.time <= a.time)
        return a;
    const double f = (time - a.time) / (b.time - a.time);
    const auto linear = [f](double x, double y) { return x + f * (y - x); };
    const auto logLinear
        = [f](double x, double y) { return std::pow(10.0, std::log10(x) + f * (std::log10(y) - std::log10(x))); };
    StarState s = a;
    s.time = time;
    s.formulaMass = linear(a.formulaMass, b.formulaMass);
    s.mass = linear(a.mass, b.mass);
    s.coreMass = linear(a.coreMass, b.coreMass);
    s.luminosity = logLinear(a.luminosity, b.luminosity);
    s.radius = logLinear(a.radius, b.radius);
    s.temperature = EffectiveTemperature(s.luminosity, s.radius);
    s.epoch = linear(a.epoch, b.epoch);
    return s;
}

double EffectiveTemperature(double luminosity, double radius)
{
    return 1000 * std::pow(1130 * luminosity / (radius * radius), 0.25);
}

} // namespace evolution
