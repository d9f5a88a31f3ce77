#include "evolution/isochrone.h"

#include "evolution/star_formulas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace evolution {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Distance of two points on a diagram of log Teff over 2 dex and log L over 12 dex.
double DiagramDistance(const StarState &a, const StarState &b)
{
    const double dt = (std::log10(a.temperature) - std::log10(b.temperature)) / 2;
    const double dl = (std::log10(a.luminosity) - std::log10(b.luminosity)) / 12;
    return std::hypot(dt, dl);
}

// Neighbouring points closer than this need no point between them (about a
// pixel and a half on a diagram 600 pixels across); farther than kJump they
// are not joined.
constexpr double kSmooth = 0.0025;
constexpr double kJump = 4 * kSmooth;
// Mass refinement stops at this gap in log10 mass (a relative 2e-7).
constexpr double kSmallestGap = 1e-7;
constexpr std::size_t kMostPoints = 6000;
constexpr int kMostPasses = 30;

double Lerp(double a, double b, double w)
{
    return a + w * (b - a);
}

double LogLerp(double a, double b, double w)
{
    return std::pow(10.0, Lerp(std::log10(a), std::log10(b), w));
}

// The start of a phase for a mass between two tracks; the zero-age main sequence is 0 for all.
double SegmentStart(double a, double b, double w)
{
    return a <= 0 || b <= 0 ? Lerp(a, b, w) : LogLerp(a, b, w);
}

} // namespace

IsochroneGrid::IsochroneGrid(int massesPerDecade)
{
    const int perDecade = std::max(massesPerDecade, 2);
    const double lowest = std::log10(kMinimumMass), highest = std::log10(kMaximumMass);
    const int count = static_cast<int>(std::lround((highest - lowest) * perDecade)) + 1;
    tracks_.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double logMass = i == count - 1 ? highest : lowest + i * (highest - lowest) / (count - 1);
        logMasses_.push_back(logMass);
        tracks_.push_back(EvolveTrack(std::pow(10.0, logMass), kLongestTrack));
        TrackInfo info {{}, kInfinity, true};
        for (const StarState &p : tracks_.back().points) {
            if (info.segments.empty() || info.segments.back().type != p.type)
                info.segments.push_back({p.type, p.time});
            if (p.typeNumber() <= 1 && p.mass != tracks_.back().initialMass)
                info.windlessMainSequence = false;
            if (p.typeNumber() > 1 && std::isinf(info.mainSequenceEnd))
                info.mainSequenceEnd = p.time;
        }
        info_.push_back(std::move(info));
    }
}

double IsochroneGrid::MainSequenceEnd(std::size_t lower, double logMass) const
{
    const TrackInfo &a = info_[lower], &b = info_[lower + 1];
    if (b.windlessMainSequence)
        return detail::MainSequenceLifetime(std::pow(10.0, logMass));
    const double w = (logMass - logMasses_[lower]) / (logMasses_[lower + 1] - logMasses_[lower]);
    if (std::isinf(a.mainSequenceEnd) || std::isinf(b.mainSequenceEnd))
        return kInfinity;
    return LogLerp(a.mainSequenceEnd, b.mainSequenceEnd, w);
}

std::optional<StarState> IsochroneGrid::StateOf(double initialMass, double age) const
{
    if (!(initialMass >= kMinimumMass && initialMass <= kMaximumMass) || !(age >= 0))
        return std::nullopt;
    const double logMass = std::log10(initialMass);
    const auto upper = std::upper_bound(logMasses_.begin(), logMasses_.end(), logMass);
    std::size_t lower = static_cast<std::size_t>(upper - logMasses_.begin());
    lower = std::min(lower == 0 ? 0 : lower - 1, logMasses_.size() - 2);

    // A star that loses no mass on the main sequence is computed exactly there.
    if (info_[lower + 1].windlessMainSequence || (logMass == logMasses_[lower] && info_[lower].windlessMainSequence)) {
        if (age < MainSequenceEnd(lower, logMass))
            return detail::Snapshot(detail::MainSequenceStar(initialMass, age), age, 0);
    }
    for (std::size_t i : {lower, lower + 1}) {
        if (logMass == logMasses_[i]) {
            StarState s = StateAt(tracks_[i], age);
            if (s.type == StellarType::MasslessRemnant)
                return std::nullopt;
            return s;
        }
    }
    return Interpolated(lower, logMass, age);
}

std::optional<StarState> IsochroneGrid::Interpolated(std::size_t lower, double logMass, double age) const
{
    const TrackInfo &a = info_[lower], &b = info_[lower + 1];
    const double w = (logMass - logMasses_[lower]) / (logMasses_[lower + 1] - logMasses_[lower]);
    // Find the phase of this mass at this age from the phases' starts, interpolated in log time.
    const std::size_t common = std::min(a.segments.size(), b.segments.size());
    std::size_t k = 0;
    double start = 0, end = kInfinity;
    for (;; ++k) {
        if (a.segments[k].type != b.segments[k].type)
            return std::nullopt; // the two tracks part here
        start = SegmentStart(a.segments[k].start, b.segments[k].start, w);
        if (k == 1 && b.windlessMainSequence)
            start = MainSequenceEnd(lower, logMass);
        end = kInfinity;
        if (k + 1 < common) {
            end = SegmentStart(a.segments[k + 1].start, b.segments[k + 1].start, w);
            if (k == 0 && b.windlessMainSequence)
                end = MainSequenceEnd(lower, logMass);
        }
        if (age < end || k + 1 >= common)
            break;
    }
    if (std::isinf(end) && (k + 1 < a.segments.size() || k + 1 < b.segments.size()))
        return std::nullopt; // one track goes on to a phase the other never reaches

    // The same fraction of the phase in both tracks; in a phase without an end, the same time since its start.
    const auto timeIn = [&](const TrackInfo &info, const Track &track) {
        const double s = info.segments[k].start;
        if (std::isinf(end))
            return s + (age - start);
        const double e = k + 1 < info.segments.size() ? info.segments[k + 1].start : track.points.back().time;
        return s + (age - start) / (end - start) * (e - s);
    };
    const StarState sa = StateAt(tracks_[lower], timeIn(a, tracks_[lower]));
    const StarState sb = StateAt(tracks_[lower + 1], timeIn(b, tracks_[lower + 1]));
    if (sa.type == StellarType::MasslessRemnant || sb.type == StellarType::MasslessRemnant)
        return std::nullopt;

    StarState s = sa;
    s.time = age;
    s.formulaMass = Lerp(sa.formulaMass, sb.formulaMass, w);
    s.mass = Lerp(sa.mass, sb.mass, w);
    s.coreMass = Lerp(sa.coreMass, sb.coreMass, w);
    s.luminosity = LogLerp(sa.luminosity, sb.luminosity, w);
    s.radius = LogLerp(sa.radius, sb.radius, w);
    s.temperature = EffectiveTemperature(s.luminosity, s.radius);
    s.epoch = Lerp(sa.epoch, sb.epoch, w);
    return s;
}

std::optional<double> IsochroneGrid::TurnOffMass(double age) const
{
    // Main-sequence lifetimes fall with mass: the turn-off lies between the last
    // track still on the main sequence and the first that has left it.
    std::size_t left = info_.size();
    for (std::size_t i = 0; i < info_.size(); ++i) {
        if (info_[i].mainSequenceEnd <= age) {
            left = i;
            break;
        }
    }
    if (left == info_.size())
        return std::nullopt;
    if (left == 0)
        return kMinimumMass;
    const std::size_t lower = left - 1;
    double lo = logMasses_[lower], hi = logMasses_[left];
    for (int i = 0; i < 60 && hi - lo > 1e-13; ++i) {
        const double mid = (lo + hi) / 2;
        (MainSequenceEnd(lower, mid) > age ? lo : hi) = mid;
    }
    return std::pow(10.0, lo);
}

Isochrone IsochroneGrid::At(double age) const
{
    Isochrone iso;
    iso.age = std::isnan(age) ? 0 : std::clamp(age, 0.0, kTrackEnd);
    iso.turnOffMass = TurnOffMass(iso.age);

    struct Sample {
        double logMass;
        std::optional<StarState> state;
    };
    std::vector<double> logMasses = logMasses_;
    if (iso.turnOffMass) {
        // The upper main sequence bends at the turn-off: start denser there.
        const double logTurnOff = std::log10(*iso.turnOffMass);
        for (double d : {0.03, 0.01, 3e-3, 1e-3, 3e-4, 1e-4, 3e-5})
            logMasses.push_back(logTurnOff - d);
        logMasses.push_back(logTurnOff);
    }
    std::sort(logMasses.begin(), logMasses.end());
    logMasses.erase(std::unique(logMasses.begin(), logMasses.end()), logMasses.end());

    std::vector<Sample> samples;
    samples.reserve(logMasses.size());
    for (double lm : logMasses)
        samples.push_back({lm, StateOf(std::pow(10.0, lm), iso.age)});

    for (int pass = 0; pass < kMostPasses && samples.size() < kMostPoints; ++pass) {
        std::vector<Sample> refined;
        refined.reserve(samples.size() * 2);
        bool changed = false;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            refined.push_back(samples[i]);
            if (i + 1 == samples.size())
                break;
            const Sample &a = samples[i], &b = samples[i + 1];
            if (a.state && b.state && b.logMass - a.logMass > kSmallestGap
                && DiagramDistance(*a.state, *b.state) > kSmooth) {
                const double mid = (a.logMass + b.logMass) / 2;
                refined.push_back({mid, StateOf(std::pow(10.0, mid), iso.age)});
                changed = true;
            }
        }
        samples = std::move(refined);
        if (!changed)
            break;
    }

    const double logTurnOff = iso.turnOffMass ? std::log10(*iso.turnOffMass) : kInfinity;
    for (const Sample &sample : samples) {
        if (!sample.state)
            continue;
        IsochronePoint p;
        p.initialMass = std::pow(10.0, sample.logMass);
        p.state = *sample.state;
        if (!iso.points.empty()) {
            const StarState &previous = iso.points.back().state;
            p.joinsPrevious = previous.type == p.state.type || DiagramDistance(previous, p.state) <= kJump;
        }
        if (sample.logMass == logTurnOff)
            iso.turnOffIndex = iso.points.size();
        iso.points.push_back(p);
    }
    return iso;
}

} // namespace evolution
