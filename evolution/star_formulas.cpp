// The fits of Hurley, Pols & Tout (2000, MNRAS 315, 543) at Z = 0.02 with the
// zero-age main sequence of Tout et al. (1996, MNRAS 281, 257). Where the
// code that made the reference tracks differs from the printed paper (the
// blue-loop exponent, the D/p/q break at M = 2, the modified Mestel cooling,
// the helium-star wind factor) the tracks' version is used.
#include "evolution/star_formulas.h"

#include "evolution/constants.h"

#include <algorithm>
#include <cmath>

namespace evolution::detail {

using namespace constants;
using std::exp;
using std::log;
using std::log10;
using std::max;
using std::min;
using std::pow;

namespace {

constexpr const double *a = kA;
constexpr const double *b = kB;
constexpr double kTiny = 1e-14;
// The exponent of m in eq 53, printed rounded as 1.6479; the landmark table's
// zero-age horizontal-branch luminosities of 0.7-1.5 Msun all give 1.647903.
constexpr double kZahbExponent = 1.647903;

double sq(double x)
{
    return x * x;
}
double cube(double x)
{
    return x * x * x;
}

// ---- Zero-age main sequence (Tout et al. 1996, eqs 1-2) -------------------------------------------------------

double ZamsLuminosity(double M)
{
    return (kToutAlpha * pow(M, 5.5) + kToutBeta * pow(M, 11))
        / (kToutGamma + cube(M) + kToutDelta * pow(M, 5) + kToutEpsilon * pow(M, 7) + kToutZeta * pow(M, 8)
            + kToutEta * pow(M, 9.5));
}

double ZamsRadius(double M)
{
    return (kToutTheta * pow(M, 2.5) + kToutIota * pow(M, 6.5) + kToutKappa * pow(M, 11) + kToutLambda * pow(M, 19)
               + kToutMu * pow(M, 19.5))
        / (kToutNu + kToutXi * sq(M) + kToutOmicron * pow(M, 8.5) + pow(M, 18.5) + kToutPi * pow(M, 19.5));
}

// ---- Main-sequence landmarks (eqs 4-10) -----------------------------------------------------------------------

double BaseGiantBranchTime(double M)
{
    return (a[1] + a[2] * pow(M, 4) + a[3] * pow(M, 5.5) + pow(M, 7)) / (a[4] * sq(M) + a[5] * pow(M, 7));
}

double HookFraction(double M) // mu of eq 7
{
    return max(0.5, 1.0 - 0.01 * max(a[6] / pow(M, a[7]), a[8] + a[9] / pow(M, a[10])));
}

double EndMainSequenceLuminosity(double M) // eq 8
{
    return (a[11] * cube(M) + a[12] * pow(M, 4) + a[13] * pow(M, a[16] + 1.8))
        / (a[14] + a[15] * pow(M, 5) + pow(M, a[16]));
}

double EndMainSequenceRadius(double M) // eq 9
{
    if (M <= a[17])
        return max(1.5 * ZamsRadius(M), (a[18] + a[19] * pow(M, a[21])) / (a[20] + pow(M, a[22])));
    if (M >= a[17] + 0.1)
        return (kC1 * cube(M) + a[23] * pow(M, a[26]) + a[24] * pow(M, a[26] + 1.5)) / (a[25] + pow(M, 5));
    // Between the two forms, linear in M from the low-mass form at a17 to the high-mass one at a17 + 0.1.
    return kRTMSAtA17 + (kRTMSAtA17Plus - kRTMSAtA17) * (M - a[17]) / 0.1;
}

double BaseGiantBranchLuminosity(double M) // eq 10
{
    return (a[27] * pow(M, a[31]) + a[28] * pow(M, kC2)) / (a[29] + a[30] * pow(M, kC3) + pow(M, a[32]));
}

// ---- Main-sequence shape coefficients (eqs 16-23) -------------------------------------------------------------

double HookLuminosity(double M) // Delta_L, eq 16
{
    if (M <= kMhook)
        return 0;
    if (M < a[33])
        return kBDeltaL * pow((M - kMhook) / (a[33] - kMhook), 0.4);
    return min(a[34] / pow(M, a[35]), a[36] / pow(M, a[37]));
}

double HookRadius(double M) // Delta_R, eq 17
{
    if (M <= kMhook)
        return 0;
    if (M <= a[42])
        return a[43] * std::sqrt((M - kMhook) / (a[42] - kMhook));
    if (M <= 2)
        return a[43] + (kBDeltaR - a[43]) * pow((M - a[42]) / (2 - a[42]), a[44]);
    return (a[38] + a[39] * pow(M, 3.5)) / (a[40] * cube(M) + pow(M, a[41])) - 1;
}

double AlphaL(double M) // eq 19
{
    if (M >= 2)
        return (a[45] + a[46] * pow(M, a[48])) / (pow(M, 0.4) + a[47] * pow(M, 1.9));
    if (M <= 0.5)
        return a[49];
    if (M <= 0.7)
        return a[49] + 5 * (0.3 - a[49]) * (M - 0.5);
    if (M <= a[52])
        return 0.3 + (a[50] - 0.3) * (M - 0.7) / (a[52] - 0.7);
    if (M <= a[53])
        return a[50] + (a[51] - a[50]) * (M - a[52]) / (a[53] - a[52]);
    return a[51] + (kBAlphaL - a[51]) * (M - a[53]) / (2 - a[53]);
}

double BetaL(double M) // eq 20
{
    double beta = max(0.0, a[54] - a[55] * pow(M, a[56]));
    if (M > a[57] && beta > 0)
        beta = max(0.0, kBBetaL - 10 * kBBetaL * (M - a[57]));
    return beta;
}

double AlphaRMiddle(double M)
{
    return a[58] * pow(M, a[60]) / (a[59] + pow(M, a[61]));
}

double AlphaR(double M) // eq 21; at Z = 0.02 a66 = a68, so its fourth piece is empty
{
    if (M <= 0.5)
        return a[62];
    if (M <= 0.65)
        return a[62] + (a[63] - a[62]) * (M - 0.5) / 0.15;
    if (M <= a[68])
        return a[63] + (a[64] - a[63]) * (M - 0.65) / (a[68] - 0.65);
    if (M <= a[66])
        return a[64] + (kAlphaRAtA66 - a[64]) * (M - a[68]) / (a[66] - a[68]);
    if (M <= a[67])
        return AlphaRMiddle(M);
    return AlphaRMiddle(a[67]) + a[65] * (M - a[67]);
}

double BetaR(double M) // eq 22
{
    double beta = 0;
    if (M <= 1)
        beta = 1.06;
    else if (M <= a[74])
        beta = 1.06 + (a[72] - 1.06) * (M - 1) / (a[74] - 1);
    else if (M <= 2)
        beta = a[72] + (kBBetaR - a[72]) * (M - a[74]) / (2 - a[74]);
    else if (M <= 16)
        beta = a[69] * pow(M, 3.5) / (a[70] + pow(M, a[71]));
    else
        beta = kCBetaR + a[73] * (M - 16);
    return beta - 1;
}

double GammaR(double M) // eq 23; at Z = 0.02 a75 = 1, so its middle piece is empty
{
    if (M > a[75] + 0.1)
        return 0;
    double gamma = 0;
    if (M <= 1)
        gamma = a[76] + a[77] * pow(std::fabs(M - a[78]), a[79]);
    else if (M <= a[75])
        gamma = kBGammaR + (a[80] - kBGammaR) * pow((M - 1) / (a[75] - 1), a[81]);
    else {
        const double bPrime = a[75] > 1 ? a[80] : kBGammaR;
        gamma = bPrime - 10 * bPrime * (M - a[75]);
    }
    return max(gamma, 0.0);
}

// ---- Giant-branch machinery (eqs 31-45) -----------------------------------------------------------------------

CoreLuminosity GiantBranchParameters(double M)
{
    CoreLuminosity c;
    c.B = max(3e4, 500 + 1.75e4 * pow(M, 0.6));
    double logD = 0;
    if (M <= 2.0) {
        logD = kLogD0;
        c.p = 6;
        c.q = 3;
    } else if (M < 2.5) {
        const double deltaD = kLogD0 - (0.975 * kLogD0 - 0.45);
        logD = kLogD0 - deltaD * (M - 2) / 0.5;
        c.p = 6 - (M - 2) / 0.5;
        c.q = 3 - (M - 2) / 0.5;
    } else {
        logD = max(max(-1.0, 0.5 * kLogD0 - 0.06 * M), 0.975 * kLogD0 - 0.18 * M);
        c.p = 5;
        c.q = 2;
    }
    c.D = pow(10.0, logD);
    c.Mx = pow(c.B / c.D, 1 / (c.p - c.q));
    c.Lx = c.D * pow(c.Mx, c.p);
    return c;
}

double HydrogenBurningRate(double M) // A_H, after eq 43
{
    return pow(10.0, max(-4.8, min(-5.7 + 0.8 * M, -4.1 + 0.14 * M)));
}

CoreLuminosity HeliumStarParameters(double M) // eq 84
{
    CoreLuminosity c;
    c.B = 4.1e4;
    c.D = 5.5e4 / (1 + 0.4 * pow(M, 4));
    c.p = 5;
    c.q = 3;
    c.Mx = pow(c.B / c.D, 1 / (c.p - c.q));
    c.Lx = c.D * pow(c.Mx, c.p);
    return c;
}

double LuminosityOfCore(const CoreLuminosity &c, double mc)
{
    return mc <= c.Mx ? c.D * pow(mc, c.p) : c.B * pow(mc, c.q);
}

double CoreOfLuminosity(const CoreLuminosity &c, double L)
{
    return L <= c.Lx ? pow(L / c.D, 1 / c.p) : pow(L / c.B, 1 / c.q);
}

CoreGrowth Growth(const CoreLuminosity &c, double A, double t0, double L0)
{
    CoreGrowth g;
    g.A = A;
    g.tInf1 = t0 + pow(c.D / L0, (c.p - 1) / c.p) / ((c.p - 1) * A * c.D);
    g.tX = g.tInf1 - (g.tInf1 - t0) * pow(L0 / c.Lx, (c.p - 1) / c.p);
    g.tInf2 = g.tX + pow(c.B / c.Lx, (c.q - 1) / c.q) / ((c.q - 1) * A * c.B);
    return g;
}

// ---- Helium ignition and core helium burning (eqs 44-67) ------------------------------------------------------

double HeliumIgnitionLuminosity(double M) // eq 49
{
    if (M < kMHeF)
        return b[9] * pow(M, b[10]) / (1 + kAlpha1 * exp(15 * M));
    return (b[11] + b[12] * pow(M, 3.8)) / (b[13] + sq(M));
}

double MinimumHeliumBurningLuminosity(double M) // eq 51
{
    return HeliumIgnitionLuminosity(M) * (b[14] + kCLHe * pow(M, b[15] + 0.1)) / (b[16] + pow(M, b[15]));
}

double BaseAgbLuminosity(double M) // eq 56
{
    if (M < kMHeF)
        return b[29] * pow(M, b[30]) / (1 + kAlpha3 * exp(15 * M));
    return (b[31] + b[32] * pow(M, b[33] + 1.8)) / (b[34] + pow(M, b[33]));
}

double MinimumBlueLoopRadius(double M) // eq 55
{
    return (b[24] * M + pow(b[25] * M, b[26]) * pow(M, b[28])) / (b[27] + pow(M, b[28]));
}

double BaseAgbCoreMass(double M) // eq 66
{
    return pow(b[36] * pow(M, b[37]) + b[38], 0.25);
}

double HeliumCoreMass(double M, double reference) // eq 44
{
    const double fit = pow(pow(reference, 4) - kCMcBGB1 * pow(kMHeF, kCMcBGB2) + kCMcBGB1 * pow(M, kCMcBGB2), 0.25);
    return min(0.95 * BaseAgbCoreMass(M), fit);
}

double GiantRadius(double Mt, double L) // eq 46
{
    const double A = min(b[4] * pow(Mt, -b[5]), b[6] * pow(Mt, -b[7]));
    return A * (pow(L, b[1]) + b[2] * pow(L, b[3]));
}

double AgbRadius(double Mt, double L) // eq 74
{
    const double m1 = kMHeF - 0.2;
    double k = 1;
    if (Mt >= kMHeF)
        k = b[55];
    else if (Mt >= m1)
        k = 1 + 5 * (b[55] - 1) * (Mt - m1);
    const auto lowA = [](double m) { return b[56] + b[57] * m; };
    const auto highA = [](double m) { return min(b[51] * pow(m, -b[52]), b[53] * pow(m, -b[54])); };
    double A = 0;
    if (Mt <= m1)
        A = lowA(Mt);
    else if (Mt >= kMHeF)
        A = highA(Mt);
    else
        A = lowA(m1) + 5 * (highA(kMHeF) - lowA(m1)) * (Mt - m1);
    return A * (pow(L, b[1]) + b[2] * pow(L, k * b[3]));
}

// ---- Naked helium stars (eqs 76-88) ---------------------------------------------------------------------------

double HeliumZamsLuminosity(double M) // eq 77
{
    return 15262 * pow(M, 10.25) / (0.0469 + pow(M, 6) * (31.18 + pow(M, 1.5) * (29.54 + pow(M, 1.5))));
}

double HeliumZamsRadius(double M) // eq 78
{
    return 0.2391 * pow(M, 4.6) / (0.0065 + (0.162 + M) * cube(M));
}

double HeliumMainSequenceLuminosity(double M, double tau) // eq 80
{
    return HeliumZamsLuminosity(M) * (1 + 0.45 * tau + max(0.0, 0.85 - 0.08 * M) * sq(tau));
}

double HeliumMainSequenceRadius(double M, double tau) // eq 81
{
    return HeliumZamsRadius(M) * (1 + max(0.0, 0.4 - 0.22 * log10(M)) * (tau - pow(tau, 6)));
}

double HeliumGiantRadius1(double Mt, double L, double LTHe) // eqs 85-86
{
    const double c = 2e-3 * pow(Mt, 2.5) / (2 + pow(Mt, 5));
    return HeliumZamsRadius(Mt) * pow(L / LTHe, 0.2) + 0.02 * (exp(c * L) - exp(c * LTHe));
}

double HeliumMaximumCoreMass(double M, double Mt, double &Mtc)
{
    Mtc = min(Mt, 1.45 * Mt - 0.31);
    if (Mtc <= 0)
        Mtc = Mt;
    return min(Mtc, max(kMch, 0.773 * M - 0.35));
}

// ---- Low-mass horizontal branch (eqs 53-54) -------------------------------------------------------------------

double ZeroAgeHorizontalBranchLuminosity(double M, double Mc) // eq 53
{
    const double m = max((M - Mc) / (kMHeF - Mc), 1e-12);
    const double lz = HeliumZamsLuminosity(Mc);
    const double alpha2 = (b[18] + lz - kLHeMinAtMHeF) / ((kLHeMinAtMHeF - lz) * exp(15 * kMHeF));
    return lz
        + (1 + b[20]) * b[18] * pow(m, b[19]) / ((1 + b[20] * pow(m, kZahbExponent)) * (1 + alpha2 * exp(15 * M)));
}

double ZeroAgeHorizontalBranchRadius(double M, double Mc) // eq 54
{
    const double m = max((M - Mc) / (kMHeF - Mc), 1e-12);
    const double f = (1 + b[21]) * pow(m, b[22]) / (1 + b[21] * pow(m, b[23]));
    return (1 - f) * HeliumZamsRadius(Mc) + f * GiantRadius(M, ZeroAgeHorizontalBranchLuminosity(M, Mc));
}

double HeliumBurningTime(double M, double tBGB, double McHeI) // eq 57
{
    if (M <= kMHeF) {
        const double m = max((kMHeF - M) / (kMHeF - McHeI), 1e-12);
        return (b[39] + (HeliumMainSequenceTime(McHeI) - b[39]) * pow(m, b[40])) * (1 + kAlpha4 * exp(15 * M));
    }
    return tBGB * (b[41] * pow(M, b[42]) + b[43] * pow(M, 5)) / (b[44] + pow(M, 5));
}

double BlueLoopFraction(double M) // eq 58
{
    double f = 0;
    if (M <= kMFGB) {
        f = b[45] * pow(M / kMFGB, kFblExponent1)
            + kFblC2 * pow(max(log10(M / kMFGB) / log10(kMHeF / kMFGB), 1e-12), b[46]);
    } else {
        const double r = 1 - MinimumBlueLoopRadius(M) / AgbRadius(M, HeliumIgnitionLuminosity(M));
        f = kFblK * pow(M, b[48]) * pow(max(r, 1e-12), b[49]);
    }
    f = min(1.0, max(0.0, f));
    return f < 1e-10 ? 0 : f;
}

double EndMainSequenceCoreFraction(double M) // rho, eq 29
{
    return (1.586 + pow(M, 5.25)) / (2.434 + 1.02 * pow(M, 5.25));
}

// ---- Remnants (eqs 90-93) -------------------------------------------------------------------------------------

double WhiteDwarfLuminosity(double Mt, double age, int kw) // modified Mestel cooling
{
    const double A = kw == 10 ? 4 : 16;
    if (age < 9000)
        return 300 * Mt * kZPow04 / pow(A * (age + 0.1), 1.18);
    return 300 * pow(9000.1 * A, 5.3) * Mt * kZPow04 / pow(A * (age + 0.1), 6.48);
}

double WhiteDwarfRadiusUncapped(double Mt) // eq 91 without its cap
{
    return 0.0115 * std::sqrt(max(1.48204e-6, pow(kMch / Mt, 2.0 / 3) - pow(Mt / kMch, 2.0 / 3)));
}

double WhiteDwarfRadius(double Mt)
{
    if (Mt < 5e-6)
        return 0.009;
    if (Mt < 0.0005)
        return 0.09;
    return min(0.1, WhiteDwarfRadiusUncapped(Mt));
}

// Belczynski et al. (2002) remnant mass after core collapse.
double CollapseRemnantMass(double Mc, double Mt)
{
    const double proto = Mc < 2.5 ? 0.161767 * Mc + 1.067055 : 0.314154 * Mc + 0.686088;
    if (Mc <= 5)
        return proto;
    if (Mc < 7.6)
        return proto + (Mc - 5) * (Mt - proto) / 2.6;
    return Mt;
}

// ---- Phases of hydrogen-rich stars ----------------------------------------------------------------------------

void MainSequence(Star &s, const Landmarks &lm)
{
    const double M = s.M0;
    const double tau = s.age / lm.tMS;
    const double tau1 = min(1.0, s.age / lm.tHook);
    constexpr double eps = 0.01;
    const double tau2 = max(0.0, min(1.0, (s.age - (1 - eps) * lm.tHook) / (eps * lm.tHook)));
    const double aL = AlphaL(M), aR = AlphaR(M);
    const double dL = HookLuminosity(M), dR = HookRadius(M);
    const double logLRatio = log10(lm.LTMS / lm.LZAMS), logRRatio = log10(lm.RTMS / lm.RZAMS);
    double logL = 0, logR = 0;
    if (tau > 5e-8) {
        const double bL = BetaL(M), bR = BetaR(M), g = GammaR(M);
        logL = aL * tau + bL * pow(tau, kEtaCap) + (logLRatio - aL - bL) * sq(tau);
        logR = aR * tau + bR * pow(tau, 10) + g * pow(tau, 40) + (logRRatio - aR - bR - g) * cube(tau);
    } else {
        logL = aL * tau + (logLRatio - aL) * sq(tau);
        logR = aR * tau + (logRRatio - aR) * cube(tau);
    }
    logL -= dL * (sq(tau1) - sq(tau2));
    logR -= dR * (cube(tau1) - cube(tau2));
    s.L = lm.LZAMS * pow(10.0, logL);
    s.R = lm.RZAMS * pow(10.0, logR);
    s.Mc = 0;
    if (M < kMhook - 0.3) {
        s.kw = 0;
        s.R = max(s.R, 0.0258 * pow(1 + kX, 5.0 / 3) * pow(M, -1.0 / 3));
    } else {
        s.kw = 1;
    }
}

void HertzsprungGap(Star &s, const Landmarks &lm)
{
    const double M = s.M0;
    const double tau = (s.age - lm.tMS) / (lm.tBGB - lm.tMS);
    const double rho = EndMainSequenceCoreFraction(M);
    s.Mc = max(s.Mc, ((1 - tau) * rho + tau) * lm.McBGB);
    s.L = lm.LTMS * pow(lm.LBGB / lm.LTMS, tau);
    double rEnd = 0;
    if (M <= kMFGB) {
        rEnd = GiantRadius(s.Mt, lm.LBGB);
    } else {
        rEnd = min(MinimumBlueLoopRadius(M), AgbRadius(s.Mt, lm.LHeI));
        if (BlueLoopFraction(M) < kTiny)
            rEnd = AgbRadius(s.Mt, lm.LHeI);
    }
    s.R = lm.RTMS * pow(rEnd / lm.RTMS, tau);
    s.kw = 2;
}

void GiantBranch(Star &s, const Landmarks &lm)
{
    const double M = s.M0;
    const double core = CoreAtTime(lm.gb, lm.giantBranch, s.age);
    s.L = LuminosityOfCore(lm.gb, core);
    if (M <= kMHeF) {
        s.Mc = CoreOfLuminosity(lm.gb, s.L);
    } else {
        const double m1 = HeliumCoreMass(M, kMcBGBAtMHeF), m2 = HeliumCoreMass(M, kMcHeIAtMHeF);
        s.Mc = m1 + (m2 - m1) * (s.age - lm.tBGB) / (lm.tHeI - lm.tBGB);
    }
    s.R = GiantRadius(s.Mt, s.L);
    s.kw = 3;
}

// R = Rm exp(|tl (s - 1) + th s|^3) of the blue loops and horizontal branch (eqs 64-65).
double LoopRadius(double rMin, double tauLow, double tauHigh, double s)
{
    return rMin * exp(cube(std::fabs(tauLow * (s - 1) + tauHigh * s)));
}

// A horizontal branch or a blue loop (eqs 61-65) at the fraction x of its way
// from (lx, rx) to the base of the AGB at ly, the radius passing through rm.
void Loop(Star &s, double lx, double rx, double rm, double ly, double x)
{
    const double e = min(max(0.4, rm / rx), 2.5);
    const double ry = AgbRadius(s.Mt, ly);
    double tauLow = 0;
    if (rm < rx)
        tauLow = std::cbrt(log(rx / rm));
    else
        rm = rx;
    const double tauHigh = std::cbrt(log(ry / rm));
    s.R = LoopRadius(rm, tauLow, tauHigh, x);
    s.L = lx * pow(ly / lx, pow(x, e));
}

void CoreHeliumBurning(Star &s, const Landmarks &lm)
{
    const double M = s.M0;
    const double tau = (s.age - lm.tHeI) / lm.tHe;
    const double mcx = M <= kMHeF ? CoreOfLuminosity(lm.gb, lm.LHeI) : HeliumCoreMass(M, kMcHeIAtMHeF);
    s.Mc = mcx + (lm.McBAGB - mcx) * tau;
    s.kw = 4;
    if (M <= kMHeF) {
        const double rm = GiantRadius(s.Mt, lm.LHe) * pow(kRminFactorLowMass, M / kMHeF);
        Loop(s, lm.LHe, ZeroAgeHorizontalBranchRadius(s.Mt, s.Mc), rm, lm.LBAGB, tau);
    } else if (M <= kMFGB) {
        const double tauX = 1 - BlueLoopFraction(M);
        const double tLoop = lm.tHeI + tauX * lm.tHe;
        if (s.age < tLoop) {
            const double x = (tLoop - s.age) / (tauX * lm.tHe);
            s.L = lm.LHe * pow(lm.LHeI / lm.LHe, cube(x));
            s.R = GiantRadius(s.Mt, s.L);
        } else {
            const double x = (s.age - tLoop) / (lm.tHe - (tLoop - lm.tHeI));
            Loop(s, lm.LHe, GiantRadius(s.Mt, lm.LHe), MinimumBlueLoopRadius(s.Mt), lm.LBAGB, x);
        }
    } else {
        // Helium ignites in the gap: a blue phase, then a red supergiant. With M > MFGB > 12
        // the radius at ignition equals the loop's minimum, so e = 1 and the first loop term vanishes.
        const double f = BlueLoopFraction(M);
        const double tLoop = lm.tHeI + f * lm.tHe;
        const double rm = min(MinimumBlueLoopRadius(M), AgbRadius(s.Mt, lm.LHeI));
        s.L = lm.LHeI * pow(lm.LBAGB / lm.LHeI, tau);
        if (s.age < tLoop) {
            const double ly = lm.LHeI * pow(lm.LBAGB / lm.LHeI, f);
            const double ry = AgbRadius(s.Mt, ly);
            const double tauHigh = ry > rm ? std::cbrt(log(ry / rm)) : 0;
            const double x = (s.age - lm.tHeI) / (f * lm.tHe);
            s.R = LoopRadius(rm, 0, tauHigh, x);
        } else {
            s.R = AgbRadius(s.Mt, s.L);
        }
    }
}

// ---- Small-envelope perturbation (eqs 97-105) -----------------------------------------------------------------

double EnvelopeMu(const Star &s)
{
    return ((s.Mt - s.Mc) / s.Mt) * min(5.0, max(1.2, pow(s.L / kL0Mu, kKappaMu)));
}

void Perturb(Star &s, const Landmarks &lm, double tn, double mcCO)
{
    double mu = 0;
    if (s.kw <= 6) {
        mu = EnvelopeMu(s);
    } else {
        double mtc = 0;
        HeliumMaximumCoreMass(lm.M, s.Mt, mtc);
        mu = 5 * (mtc - s.Mc) / mtc;
    }
    if (!(mu < 1))
        return;

    double lc = 0, rc = 0;
    const double mc = s.Mc;
    switch (s.kw) {
    case 2:
    case 3:
        if (lm.M > kMHeF) {
            lc = HeliumZamsLuminosity(mc);
            rc = HeliumZamsRadius(mc);
        } else {
            lc = 300 * mc * kZPow04 / pow(0.4, 1.18);
            rc = WhiteDwarfRadiusUncapped(mc);
        }
        break;
    case 4: {
        const double tau = (s.age - lm.tHeI) / lm.tHe;
        lc = HeliumMainSequenceLuminosity(mc, tau);
        rc = HeliumMainSequenceRadius(mc, tau);
        break;
    }
    case 5: {
        const double tau = tn > lm.tBAGB ? 3 * (s.age - lm.tBAGB) / (tn - lm.tBAGB) : 0;
        const CoreLuminosity he = HeliumStarParameters(mc);
        const double lthe = HeliumMainSequenceLuminosity(mc, 1);
        lc = LuminosityOfCore(he, mcCO);
        if (tau < 1)
            lc = lthe * pow(lc / lthe, tau);
        rc = min(HeliumGiantRadius1(mc, lc, lthe), 0.08 * pow(lc, 0.75));
        break;
    }
    default: // 6, 8, 9: a young carbon-oxygen white dwarf
        lc = 300 * mc * kZPow04 / pow(1.6, 1.18);
        rc = WhiteDwarfRadiusUncapped(mc);
        break;
    }

    const double bl = 0.002 * max(1.0, 2.5 / s.Mt);
    const double xl = cube(mu / bl);
    const double sL = (1 + cube(bl)) * xl / (1 + xl);
    s.L = lc * pow(s.L / lc, sL);

    double r = 0;
    if (s.R > rc && mu > 0) {
        const double br = 0.006 * max(1.0, 2.5 / s.Mt);
        const double f = min(0.1 / log(s.R / rc), -14 / log10(mu));
        const double xr = cube(mu / br);
        r = (1 + cube(br)) * xr * pow(mu, f) / (1 + xr);
    }
    s.R = rc * pow(s.R / rc, r);
}

} // namespace

// ---- Landmarks ------------------------------------------------------------------------------------------------

double HeliumMainSequenceTime(double M)
{
    return (0.4129 + 18.81 * pow(M, 4) + 1.853 * pow(M, 6)) / pow(M, 6.5);
}

double TimeOfCore(const CoreLuminosity &c, const CoreGrowth &g, double mc)
{
    if (mc <= c.Mx)
        return g.tInf1 - pow(mc, 1 - c.p) / ((c.p - 1) * g.A * c.D);
    return g.tInf2 - pow(mc, 1 - c.q) / ((c.q - 1) * g.A * c.B);
}

double CoreAtTime(const CoreLuminosity &c, const CoreGrowth &g, double t)
{
    if (t <= g.tX)
        return pow((c.p - 1) * g.A * c.D * (g.tInf1 - t), 1 / (1 - c.p));
    return pow((c.q - 1) * g.A * c.B * (g.tInf2 - t), 1 / (1 - c.q));
}

double MainSequenceLifetime(double M)
{
    return max(HookFraction(M), kXMS) * BaseGiantBranchTime(M);
}

Landmarks MainSequenceLandmarks(double M)
{
    Landmarks lm;
    lm.M = M;
    lm.tBGB = BaseGiantBranchTime(M);
    const double mu = HookFraction(M);
    lm.tHook = mu * lm.tBGB;
    lm.tMS = max(mu, kXMS) * lm.tBGB;
    lm.LZAMS = ZamsLuminosity(M);
    lm.RZAMS = ZamsRadius(M);
    lm.LTMS = EndMainSequenceLuminosity(M);
    lm.RTMS = EndMainSequenceRadius(M);
    return lm;
}

Star MainSequenceStar(double M, double age)
{
    Star s;
    s.M0 = s.Mt = M;
    s.age = age;
    MainSequence(s, MainSequenceLandmarks(M));
    return s;
}

Landmarks HydrogenLandmarks(double M)
{
    Landmarks lm = MainSequenceLandmarks(M);
    lm.LBGB = BaseGiantBranchLuminosity(M);
    lm.LHeI = HeliumIgnitionLuminosity(M);
    lm.LBAGB = BaseAgbLuminosity(M);
    lm.gb = GiantBranchParameters(M);
    const CoreLuminosity &gb = lm.gb;
    const double aH = HydrogenBurningRate(M);

    if (M <= kMFGB) {
        lm.giantBranch = Growth(gb, aH, lm.tBGB, lm.LBGB);
        const CoreGrowth &g = lm.giantBranch;
        if (lm.LHeI <= gb.Lx)
            lm.tHeI = g.tInf1 - pow(gb.D / lm.LHeI, (gb.p - 1) / gb.p) / ((gb.p - 1) * aH * gb.D);
        else
            lm.tHeI = g.tInf2 - pow(gb.B / lm.LHeI, (gb.q - 1) / gb.q) / ((gb.q - 1) * aH * gb.B);
        if (M <= kMHeF) {
            lm.McHeI = CoreOfLuminosity(gb, lm.LHeI);
            lm.LHe = ZeroAgeHorizontalBranchLuminosity(M, lm.McHeI);
        } else {
            lm.McHeI = HeliumCoreMass(M, kMcHeIAtMHeF);
            lm.LHe = MinimumHeliumBurningLuminosity(M);
        }
        lm.tHe = HeliumBurningTime(M, lm.tBGB, lm.McHeI);
    } else {
        lm.tHeI = lm.tBGB;
        lm.LBGB = lm.LHeI;
        lm.LHe = lm.LBAGB;
        lm.McHeI = HeliumCoreMass(M, kMcHeIAtMHeF);
        lm.tHe = HeliumBurningTime(M, lm.tBGB, lm.McHeI);
        lm.giantBranch = Growth(gb, aH, lm.tBGB, lm.LBGB);
    }
    lm.tBAGB = lm.tHeI + lm.tHe;

    if (M <= kMHeF)
        lm.McBGB = CoreOfLuminosity(gb, lm.LBGB);
    else if (M <= kMFGB)
        lm.McBGB = HeliumCoreMass(M, kMcBGBAtMHeF);
    else
        lm.McBGB = HeliumCoreMass(M, kMcHeIAtMHeF);

    // The asymptotic giant branch: early (helium shell) and thermally pulsing (both shells).
    lm.McBAGB = BaseAgbCoreMass(M);
    lm.earlyAgb = Growth(gb, kAHe, lm.tBAGB, lm.LBAGB);
    lm.McDU = lm.McBAGB >= 0.8 && lm.McBAGB < 2.25 ? 0.44 * lm.McBAGB + 0.448 : lm.McBAGB; // eq 69
    lm.LDU = LuminosityOfCore(gb, lm.McDU);
    lm.tDU = TimeOfCore(gb, lm.earlyAgb, lm.McDU);
    if (lm.McDU <= gb.Mx) {
        lm.thermalPulses = Growth(gb, kAHHe, lm.tDU, lm.LDU);
    } else {
        lm.thermalPulses = lm.earlyAgb;
        lm.thermalPulses.A = kAHHe;
        lm.thermalPulses.tInf2 = lm.tDU + pow(gb.B / lm.LDU, (gb.q - 1) / gb.q) / ((gb.q - 1) * kAHHe * gb.B);
    }
    const double mcCOAtBAGB = CoreAtTime(gb, lm.earlyAgb, lm.tBAGB);
    lm.Mcmax = max(max(kMch, 0.773 * lm.McBAGB - 0.35), 1.05 * mcCOAtBAGB);
    if (lm.Mcmax <= lm.McDU) {
        lm.tMcmax = TimeOfCore(gb, lm.earlyAgb, lm.Mcmax);
    } else {
        const double lambda = min(0.9, 0.3 + 0.001 * pow(M, 5));
        lm.tMcmax = TimeOfCore(gb, lm.thermalPulses, (lm.Mcmax - lambda * lm.McDU) / (1 - lambda));
    }
    lm.tMcmax = max(lm.tBAGB, lm.tMcmax);
    return lm;
}

Landmarks HeliumLandmarks(double M)
{
    Landmarks lm;
    lm.M = M;
    lm.helium = true;
    lm.tHeMS = HeliumMainSequenceTime(M);
    lm.LTHe = HeliumMainSequenceLuminosity(M, 1);
    lm.he = HeliumStarParameters(M);
    const CoreLuminosity &c = lm.he;
    const double mc1 = CoreOfLuminosity(c, lm.LTHe);
    CoreGrowth &g = lm.heliumGiant;
    g.A = kAHe;
    g.tInf1 = lm.tHeMS + pow(mc1, 1 - c.p) / ((c.p - 1) * kAHe * c.D);
    g.tX = g.tInf1 - (g.tInf1 - lm.tHeMS) * pow(c.Mx / mc1, 1 - c.p);
    g.tInf2 = g.tX + pow(c.Mx, 1 - c.q) / ((c.q - 1) * kAHe * c.B);
    return lm;
}

double NuclearTime(const Landmarks &lm, double Mt, int kw)
{
    if (lm.helium) {
        double mtc = 0;
        const double mcmax = HeliumMaximumCoreMass(lm.M, Mt, mtc);
        return max(TimeOfCore(lm.he, lm.heliumGiant, mcmax), lm.tHeMS);
    }
    const double M = lm.M;
    const double lambda = min(0.9, 0.3 + 0.001 * pow(M, 5));
    double tn = 0;
    if (M >= 100) {
        tn = lm.tHeI;
    } else if (std::fabs(Mt - lm.McBAGB) < kTiny && kw < 5) {
        tn = lm.tBAGB;
    } else if (Mt > lm.McBAGB || (Mt >= lm.McDU && kw > 4)) {
        const double mq = kw == 6 ? (Mt - lambda * lm.McDU) / (1 - lambda) : Mt;
        tn = TimeOfCore(lm.gb, lm.thermalPulses, mq);
    } else if (M > kMFGB) {
        const double m1 = HeliumCoreMass(M, kMcHeIAtMHeF);
        tn = Mt <= m1 ? lm.tHeI : lm.tHeI + lm.tHe * (Mt - m1) / (lm.McBAGB - m1);
    } else if (M <= kMHeF) {
        const double m1 = CoreOfLuminosity(lm.gb, lm.LBGB), m2 = CoreOfLuminosity(lm.gb, lm.LHeI);
        if (Mt <= m1)
            tn = lm.tBGB;
        else if (Mt <= m2)
            tn = TimeOfCore(lm.gb, lm.giantBranch, Mt);
        else
            tn = lm.tHeI + lm.tHe * (Mt - m2) / (lm.McBAGB - m2);
    } else {
        const double m1 = HeliumCoreMass(M, kMcBGBAtMHeF), m2 = HeliumCoreMass(M, kMcHeIAtMHeF);
        if (Mt <= m1)
            tn = lm.tBGB;
        else if (Mt <= m2)
            tn = lm.tBGB + (lm.tHeI - lm.tBGB) * (Mt - m1) / (m2 - m1);
        else
            tn = lm.tHeI + lm.tHe * (Mt - m2) / (lm.McBAGB - m2);
    }
    return min(tn, lm.tMcmax);
}

// ---- Phase evaluation and its transitions (the rules T2-T7) ---------------------------------------------------

namespace {

void BecomeNeutronStarOrBlackHole(Star &s, double mc)
{
    s.Mt = CollapseRemnantMass(mc, s.Mt);
    s.Mc = s.Mt;
    s.kw = s.Mt <= kMaxNeutronStarMass ? 13 : 14;
}

// A core grown to its limit (rules T5 and T6): below the Chandrasekhar mass a
// white dwarf of the given mass, carbon-oxygen from a light star and
// oxygen-neon from a heavier one; above it nothing left of a light star, a
// neutron star or black hole of a heavier one. The remnant's age starts at 0.
void EndOfNuclearBurning(Star &s, double mc, bool light, double whiteDwarfMass)
{
    s.age = 0;
    s.Mc = mc;
    if (mc < kMch) {
        s.kw = light ? 11 : 12;
        s.Mt = s.M0 = whiteDwarfMass;
    } else if (light) {
        s.kw = 15;
    } else {
        BecomeNeutronStarOrBlackHole(s, mc);
    }
}

void Remnant(Star &s)
{
    if (s.kw <= 12 && s.Mt >= kMch) { // a white dwarf over the Chandrasekhar mass explodes
        if (s.kw == 12) {
            s.kw = 13;
            s.Mt = 1.3;
        } else {
            s.kw = 15;
        }
    }
    if (s.kw == 13 && s.Mt > kMaxNeutronStarMass)
        s.kw = 14;
    switch (s.kw) {
    case 10:
    case 11:
    case 12:
        s.L = WhiteDwarfLuminosity(s.Mt, s.age, s.kw);
        s.R = WhiteDwarfRadius(s.Mt);
        s.Mc = s.Mt;
        break;
    case 13:
        s.L = 0.02 * pow(s.Mt, 0.67) / sq(max(s.age, 0.1));
        s.R = 1.4e-5;
        s.Mc = s.Mt;
        break;
    case 14:
        s.L = 1e-10;
        s.R = 4.24e-6 * s.Mt;
        s.Mc = s.Mt;
        break;
    default:
        s.kw = 15;
        s.Mt = s.Mc = 0;
        s.L = s.R = 1e-10;
        break;
    }
}

enum class Next { Done, Again };

Next HeliumStar(Star &s, Landmarks &lm, bool &ageReset)
{
    const double M = s.M0;
    if (s.age < lm.tHeMS) {
        if (s.Mt < kMcHeIAtMHeF) { // too light to burn helium: a helium white dwarf
            s.kw = 10;
            s.M0 = s.Mt;
            s.Mc = s.Mt;
            return Next::Again;
        }
        const double tau = s.age / lm.tHeMS;
        s.L = HeliumMainSequenceLuminosity(M, tau);
        s.R = HeliumMainSequenceRadius(s.Mt, tau);
        s.Mc = 0;
        s.kw = 7;
        return Next::Done;
    }
    s.L = LuminosityOfCore(lm.he, CoreAtTime(lm.he, lm.heliumGiant, s.age));
    const double c = 2e-3 * pow(s.Mt, 2.5) / (2 + pow(s.Mt, 5));
    const double r1 = HeliumZamsRadius(s.Mt) * pow(s.L / lm.LTHe, 0.2) + 0.02 * (exp(c * s.L) - exp(c * lm.LTHe));
    const double r2 = 0.08 * pow(s.L, 0.75);
    if (r1 < r2) {
        s.kw = 8;
        s.R = r1;
    } else {
        s.kw = 9;
        s.R = r2;
    }
    s.Mc = CoreOfLuminosity(lm.he, s.L);
    double mtc = 0;
    const double mcmax = HeliumMaximumCoreMass(M, s.Mt, mtc);
    if (mcmax - s.Mc >= kTiny)
        return Next::Done;
    // The helium star's core has grown to its limit (T6).
    ageReset = true;
    const bool light = s.M0 < 1.6;
    EndOfNuclearBurning(s, mcmax, light, light ? max(mcmax, (mcmax + 0.31) / 1.45) : mcmax);
    return Next::Again;
}

} // namespace

bool EvaluatePhase(Star &s, Landmarks &lm, double &tn)
{
    const int kwBefore = s.kw;
    bool ageReset = false;
    double mcCO = 0; // carbon-oxygen core of the AGB, for the envelope perturbation
    for (;;) {
        if (s.kw >= 10) {
            Remnant(s);
            return ageReset;
        }
        if (s.kw >= 7) {
            if (HeliumStar(s, lm, ageReset) == Next::Again)
                continue;
            break;
        }
        if (s.age < lm.tMS) {
            MainSequence(s, lm);
            break;
        }
        if (s.age < lm.tBGB || s.age < lm.tHeI) {
            if (s.age < lm.tBGB)
                HertzsprungGap(s, lm);
            else
                GiantBranch(s, lm);
            if (s.Mc < s.Mt)
                break;
            // The envelope is gone before helium ignition (T2).
            ageReset = true;
            s.age = 0;
            if (s.M0 > kMHeF) {
                s.kw = 7;
                s.M0 = s.Mt;
                s.Mc = 0;
                lm = HeliumLandmarks(s.M0);
            } else {
                s.kw = 10;
                s.M0 = s.Mt;
                s.Mc = s.Mt;
            }
            continue;
        }
        if (s.age < lm.tBAGB) {
            if (kwBefore == 3 && s.M0 <= kMHeF) {
                // The helium flash: the formula mass becomes the current mass.
                s.M0 = s.Mt;
                lm = HydrogenLandmarks(s.M0);
                s.age = lm.tHeI;
                ageReset = true;
            }
            CoreHeliumBurning(s, lm);
            if (s.Mc < s.Mt)
                break;
            // The envelope is gone during core helium burning (T3, eq 76).
            ageReset = true;
            const double done = (s.age - lm.tHeI) / lm.tHe;
            s.kw = 7;
            s.M0 = s.Mt;
            s.Mc = 0;
            lm = HeliumLandmarks(s.M0);
            s.age = done * lm.tHeMS;
            continue;
        }
        // The asymptotic giant branch.
        double mcmax = lm.Mcmax;
        if (s.age < lm.tDU) {
            mcCO = CoreAtTime(lm.gb, lm.earlyAgb, s.age);
            s.L = LuminosityOfCore(lm.gb, mcCO);
            s.Mc = lm.McBAGB;
            s.kw = 5;
            if (s.Mt <= s.Mc) {
                // The envelope is gone on the early AGB (T4): a helium giant.
                ageReset = true;
                s.kw = 9;
                s.Mt = s.M0 = lm.McBAGB;
                s.Mc = mcCO;
                lm = HeliumLandmarks(s.M0);
                s.age = max(TimeOfCore(lm.he, lm.heliumGiant, mcCO), lm.tHeMS);
                continue;
            }
        } else {
            const double lambda = min(0.9, 0.3 + 0.001 * pow(s.M0, 5));
            const double mcBefore = CoreAtTime(lm.gb, lm.thermalPulses, s.age);
            s.L = LuminosityOfCore(lm.gb, mcBefore); // eq 73
            const double mcAtDredgeUp = CoreAtTime(lm.gb, lm.thermalPulses, lm.tDU);
            s.Mc = mcBefore - lambda * (mcBefore - mcAtDredgeUp);
            mcCO = s.Mc;
            mcmax = min(s.Mt, mcmax);
            s.kw = 6;
        }
        s.R = AgbRadius(s.Mt, s.L);
        if (mcmax - mcCO >= kTiny)
            break;
        // The end of the AGB (T5).
        ageReset = true;
        EndOfNuclearBurning(s, mcmax, lm.McBAGB < 1.6, mcmax);
    }

    // Only the new types 4, 5 and the helium stars take a nuclear time of their own.
    if (s.kw == 4 || s.kw == 5 || (s.kw >= 7 && s.kw <= 9))
        tn = NuclearTime(lm, s.Mt, s.kw);
    if ((s.kw >= 2 && s.kw <= 6) || s.kw == 8 || s.kw == 9)
        Perturb(s, lm, tn, mcCO);
    return ageReset;
}

double WindMassLossRate(const Star &s)
{
    if (s.kw >= 10)
        return 0;
    const double L = s.L, R = s.R, Mt = s.Mt;
    double rate = 0;
    if (L > 4000) { // Nieuwenhuijzen & de Jager
        const double x = min(1.0, (L - 4000) / 500);
        rate = 9.6e-15 * x * pow(R, 0.81) * pow(L, 1.24) * pow(Mt, 0.16);
    }
    if (s.kw >= 2 && s.kw <= 9) {
        double reimers = kEtaReimers * 4e-13 * R * L / Mt; // eq 106
        if (s.kw == 5 || s.kw == 6) { // Vassiliadis & Wood
            const double period = min(pow(10.0, -2.07 - 0.9 * log10(Mt) + 1.94 * log10(R)), 2000.0);
            const double vw = min(pow(10.0, -11.4 + 0.0125 * (period - 100 * max(Mt - 2.5, 0.0))), 1.36e-9 * L);
            reimers = max(reimers, vw);
        }
        if (s.kw >= 7) {
            rate = max(reimers, 1e-13 * kHeliumWindFactor * pow(L, 1.5)); // Wolf-Rayet-like
        } else {
            rate = max(reimers, rate);
            const double mu = EnvelopeMu(s);
            if (mu < 1)
                rate = max(rate, 1e-13 * pow(L, 1.5) * (1 - mu));
            const double x = 1e-5 * R * std::sqrt(L);
            if (L > 6e5 && x > 1) // luminous blue variables
                rate += 0.1 * cube(x - 1) * (L / 6e5 - 1);
        }
    }
    return rate;
}

Star RemnantStar(int kw, double Mt, double age)
{
    Star s;
    s.kw = kw;
    s.M0 = s.Mt = s.Mc = Mt;
    s.age = age;
    Remnant(s);
    return s;
}

StarState Snapshot(const Star &s, double time, double epoch)
{
    StarState p;
    p.time = time;
    p.type = static_cast<StellarType>(s.kw);
    p.formulaMass = s.M0;
    p.mass = s.Mt;
    p.coreMass = s.Mc;
    p.luminosity = s.L;
    p.radius = s.R;
    p.temperature = EffectiveTemperature(s.L, s.R);
    p.epoch = epoch;
    return p;
}

} // namespace evolution::detail
