// The analytic single-star evolution fits at Z = 0.02: the landmarks of a star
// of a given (formula) mass and its luminosity, radius, core mass and type at
// any age. Formulas of Hurley, Pols & Tout (2000, MNRAS 315, 543) with the
// zero-age main sequence of Tout et al. (1996, MNRAS 281, 257); equation
// numbers in the comments are those of the 2000 paper. Constants from
// constants.h. Used by the evolution driver (track.cpp); the window and the
// command line use track.h, phases.h and isochrone.h instead.
#pragma once

#include "evolution/track.h"

namespace evolution::detail {

// Core-mass-luminosity relation L = D Mc^p below Mx, B Mc^q above (eq 37).
struct CoreLuminosity {
    double B = 0, D = 0, p = 0, q = 0, Mx = 0, Lx = 0;
};

// Core growth from time t0 at rate A (eqs 39-42).
struct CoreGrowth {
    double A = 0, tInf1 = 0, tX = 0, tInf2 = 0;
};

// Everything that depends only on the formula mass M0 (and, for the nuclear
// time and the helium stars' maximum core, on the current mass).
struct Landmarks {
    double M = 0; // the formula mass the values belong to
    bool helium = false; // landmarks of a naked helium star (types 7-9)

    // Hydrogen-rich stars.
    double tMS = 0, tBGB = 0, tHook = 0, tHeI = 0, tHe = 0, tBAGB = 0, tDU = 0, tMcmax = 0;
    double LZAMS = 0, LTMS = 0, LBGB = 0, LHeI = 0, LHe = 0, LBAGB = 0, LDU = 0;
    double RZAMS = 0, RTMS = 0;
    double McBGB = 0, McHeI = 0, McBAGB = 0, McDU = 0, Mcmax = 0;
    CoreLuminosity gb;
    CoreGrowth giantBranch, earlyAgb, thermalPulses;

    // Naked helium stars.
    double tHeMS = 0, LTHe = 0;
    CoreLuminosity he;
    CoreGrowth heliumGiant;
};

Landmarks HydrogenLandmarks(double M);
// Only what the main sequence needs (times to the end of the main sequence and
// the base of the giant branch, zero-age and end-of-main-sequence L and R).
Landmarks MainSequenceLandmarks(double M);
double MainSequenceLifetime(double M);
Landmarks HeliumLandmarks(double M);

// The nuclear time t_n of the time-step rules, for the current mass Mt and type kw.
double NuclearTime(const Landmarks &lm, double Mt, int kw);

// Times of the formulas.
double HeliumMainSequenceTime(double M); // eq 79
double TimeOfCore(const CoreLuminosity &c, const CoreGrowth &g, double mc);
double CoreAtTime(const CoreLuminosity &c, const CoreGrowth &g, double t);

// A star's state as the driver carries it from step to step.
struct Star {
    int kw = 1;
    double M0 = 0, Mt = 0, Mc = 0, age = 0;
    double L = 0, R = 0;
};

// Evaluates the phase of star s at its age (s.kw is the type before the
// evaluation, s.Mc the core mass of the previous step), applying the
// phase-change rules. Updates s (type, L, R, Mc; M0, Mt and age at a
// transition), lm when the formula mass or the kind of star changes, and tn
// as the driver's time-step rules expect it. Returns true when the age was reset.
bool EvaluatePhase(Star &s, Landmarks &lm, double &tn);

// Wind mass-loss rate in Msun/yr of a star in the given state.
double WindMassLossRate(const Star &s);

// A star that has lost no mass, on the main sequence at the given age (below its lifetime).
Star MainSequenceStar(double M, double age);

// A remnant (types 10-15) of mass Mt at an age since it formed.
Star RemnantStar(int kw, double Mt, double age);

// The driver's state as a point of a track at the given time.
StarState Snapshot(const Star &s, double time, double epoch);

} // namespace evolution::detail
