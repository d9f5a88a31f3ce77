#include "evolution/phases.h"

namespace evolution {

Phase PhaseOf(StellarType type)
{
    switch (type) {
    case StellarType::LowMassMainSequence:
    case StellarType::MainSequence:
        return Phase::MainSequence;
    case StellarType::HertzsprungGap:
        return Phase::Subgiant;
    case StellarType::GiantBranch:
        return Phase::RedGiant;
    case StellarType::CoreHeliumBurning:
        return Phase::HeliumBurning;
    case StellarType::EarlyAsymptoticGiantBranch:
    case StellarType::ThermallyPulsingAsymptoticGiantBranch:
        return Phase::AsymptoticGiantBranch;
    case StellarType::NakedHeliumMainSequence:
        return Phase::HeliumStar;
    case StellarType::NakedHeliumHertzsprungGap:
    case StellarType::NakedHeliumGiantBranch:
        return Phase::EvolvedHeliumStar;
    case StellarType::HeliumWhiteDwarf:
    case StellarType::CarbonOxygenWhiteDwarf:
    case StellarType::OxygenNeonWhiteDwarf:
        return Phase::WhiteDwarf;
    case StellarType::NeutronStar:
        return Phase::NeutronStar;
    case StellarType::BlackHole:
        return Phase::BlackHole;
    case StellarType::MasslessRemnant:
        break;
    }
    return Phase::NothingLeft;
}

const char *PhaseLabel(Phase phase)
{
    switch (phase) {
    case Phase::MainSequence:
        return "main-sequence star";
    case Phase::Subgiant:
        return "subgiant";
    case Phase::RedGiant:
        return "red giant";
    case Phase::HeliumBurning:
        return "helium-burning star";
    case Phase::AsymptoticGiantBranch:
        return "asymptotic-giant-branch star";
    case Phase::HeliumStar:
        return "helium star";
    case Phase::EvolvedHeliumStar:
        return "evolved helium star";
    case Phase::WhiteDwarf:
        return "white dwarf";
    case Phase::NeutronStar:
        return "neutron star";
    case Phase::BlackHole:
        return "black hole";
    case Phase::NothingLeft:
        break;
    }
    return "nothing left";
}

const char *TypeDescription(StellarType type)
{
    switch (type) {
    case StellarType::LowMassMainSequence:
        return "red dwarf on the main sequence";
    case StellarType::MainSequence:
        return "main-sequence star (hydrogen burning in the core)";
    case StellarType::HertzsprungGap:
        return "subgiant, crossing from the main sequence to the red giants";
    case StellarType::GiantBranch:
        return "red giant (hydrogen burning in a shell)";
    case StellarType::CoreHeliumBurning:
        return "helium-burning star";
    case StellarType::EarlyAsymptoticGiantBranch:
        return "asymptotic-giant-branch star (early)";
    case StellarType::ThermallyPulsingAsymptoticGiantBranch:
        return "asymptotic-giant-branch star (thermal pulses)";
    case StellarType::NakedHeliumMainSequence:
        return "Wolf-Rayet-like helium star (helium burning in the core)";
    case StellarType::NakedHeliumHertzsprungGap:
        return "evolved helium star (expanding)";
    case StellarType::NakedHeliumGiantBranch:
        return "evolved helium giant";
    case StellarType::HeliumWhiteDwarf:
        return "helium white dwarf";
    case StellarType::CarbonOxygenWhiteDwarf:
        return "white dwarf (carbon-oxygen)";
    case StellarType::OxygenNeonWhiteDwarf:
        return "massive white dwarf (oxygen-neon)";
    case StellarType::NeutronStar:
        return "neutron star";
    case StellarType::BlackHole:
        return "black hole";
    case StellarType::MasslessRemnant:
        break;
    }
    return "nothing left (star destroyed)";
}

std::vector<PhaseSpan> PhaseTable(const Track &track)
{
    std::vector<PhaseSpan> spans;
    for (const StarState &p : track.points) {
        const Phase phase = PhaseOf(p.type);
        if (!spans.empty() && spans.back().phase == phase)
            continue;
        if (!spans.empty())
            spans.back().duration = p.time - spans.back().start;
        spans.push_back({phase, p.time, 0, false});
    }
    if (!spans.empty()) {
        PhaseSpan &last = spans.back();
        last.duration = track.points.back().time - last.start;
        last.continuesAfterTrack = last.phase != Phase::NothingLeft;
    }
    return spans;
}

} // namespace evolution
