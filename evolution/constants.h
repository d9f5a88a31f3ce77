// The constants of the single-star evolution fits at metallicity Z = 0.02, each
// as listed in the project's table constants_z0.02.tsv (shared data folder
// stellar-evolution/), which evaluates the coefficients of Hurley, Pols & Tout
// (2000, MNRAS 315, 543, Appendix: a1-a81, b1-b57) and of Tout et al. (1996,
// MNRAS 281, 257, Tables 1-2: alpha-pi) at Z = 0.02 with the Appendix's
// products and clamps already applied. The a and b tables were generated from
// that file by its name and value columns; the named values below it were
// typed from the same file. Index n of kA / kB holds a_n / b_n; unused entries
// are zero.
#pragma once

namespace evolution::constants {

inline constexpr double kA[82] = {
    0,
    1593.89, // a1, eq 4 tBGB
    2706.708, // a2, eq 4 tBGB
    146.6143, // a3, eq 4 tBGB
    0.0414196, // a4, eq 4 tBGB
    0.3426349, // a5, eq 4 tBGB
    19.49814, // a6, eqs 6-7 thook/tMS
    4.90383, // a7, eqs 6-7 thook/tMS
    0.05212154, // a8, eqs 6-7 thook/tMS
    1.312179, // a9, eqs 6-7 thook/tMS
    0.8073972, // a10, eqs 6-7 thook/tMS
    3980.613335, // a11, eq 8 L_TMS
    4027.603294, // a12, eq 8 L_TMS
    785.9573, // a13, eq 8 L_TMS
    3858.911, // a14, eq 8 L_TMS
    288.872, // a15, eq 8 L_TMS
    7.19658, // a16, eq 8 L_TMS
    1.399909627, // a17, eq 9 R_TMS
    5.802019262, // a18, eq 9 R_TMS
    38.89132326, // a19, eq 9 R_TMS
    26.52091, // a20, eq 9 R_TMS
    1.472103, // a21, eq 9 R_TMS
    3.071048, // a22, eq 9 R_TMS
    2.61789, // a23, eq 9 R_TMS
    0.01075567, // a24, eq 9 R_TMS
    1.476246, // a25, eq 9 R_TMS
    5.502535, // a26, eq 9 R_TMS
    95.11033, // a27, eq 10 L_BGB
    31.13458, // a28, eq 10 L_BGB
    10.07963416, // a29, eq 10 L_BGB
    39.10862, // a30, eq 10 L_BGB
    4.597479, // a31, eq 10 L_BGB
    6.682518, // a32, eq 10 L_BGB
    1.4, // a33, eq 16 Delta_L
    0.1910302, // a34, eq 16 Delta_L
    0.3931056, // a35, eq 16 Delta_L
    0.3267776, // a36, eq 16 Delta_L
    0.5990212, // a37, eq 16 Delta_L
    0.7330122, // a38, eq 17 Delta_R
    1.172768, // a39, eq 17 Delta_R
    0.3982622, // a40, eq 17 Delta_R
    3.571038, // a41, eq 17 Delta_R
    1.25, // a42, eq 17 Delta_R
    0.063, // a43, eq 17 Delta_R
    1.2, // a44, eq 17 Delta_R
    0.23214, // a45, eq 19 alpha_L
    0.01163659, // a46, eq 19 alpha_L
    0.0104802, // a47, eq 19 alpha_L
    1.55559, // a48, eq 19 alpha_L
    0.145, // a49, eq 19 alpha_L
    0.24, // a50, eq 19 alpha_L
    0.33, // a51, eq 19 alpha_L
    1, // a52, eq 19 alpha_L
    1.1, // a53, eq 19 alpha_L
    0.3855707, // a54, eq 20 beta_L
    0.3579064, // a55, eq 20 beta_L
    0.9587587, // a56, eq 20 beta_L
    1.4, // a57, eq 20 beta_L
    0.4907546, // a58, eq 21 alpha_R
    4.53707, // a59, eq 21 alpha_R
    1.79622, // a60, eq 21 alpha_R
    2.256216, // a61, eq 21 alpha_R
    0.0843, // a62, eq 21 alpha_R
    0.0736, // a63, eq 21 alpha_R
    0.0639296545, // a64, eq 21 alpha_R
    0.001564231, // a65, eq 21 alpha_R
    0.8, // a66, eq 21 alpha_R
    5.210157, // a67, eq 21 alpha_R
    0.8, // a68, eq 21 alpha_R
    1.071489, // a69, eq 22 beta_R
    0.7108492, // a70, eq 22 beta_R
    3.478514, // a71, eq 22 beta_R
    0.95, // a72, eq 22 beta_R
    0.003969331, // a73, eq 22 beta_R
    1.6, // a74, eq 22 beta_R
    1, // a75, eq 23 gamma_R
    0.01192334, // a76, eq 23 gamma_R
    -0.1668868, // a77, eq 23 gamma_R
    0.7615495, // a78, eq 23 gamma_R
    2, // a79, eq 23 gamma_R
    0.0585542, // a80, eq 23 gamma_R
    1.5, // a81, eq 23 gamma_R
};

inline constexpr double kB[58] = {
    0,
    0.397, // b1, eq 46 R_GB (b1-b3 also eq 74)
    0.3827215031, // b2, eq 46 R_GB (b1-b3 also eq 74)
    0.7550372585, // b3, eq 46 R_GB (b1-b3 also eq 74)
    0.9960283, // b4, eq 46 R_GB (b1-b3 also eq 74)
    0.2561062, // b5, eq 46 R_GB (b1-b3 also eq 74)
    1.157338, // b6, eq 46 R_GB (b1-b3 also eq 74)
    0.4022765, // b7, eq 46 R_GB (b1-b3 also eq 74)
    0, // b8, not used
    2751.631, // b9, eq 49 L_HeI
    -0.03820831, // b10, eq 49 L_HeI
    11486.22341, // b11, eq 49 L_HeI
    734.8793, // b12, eq 49 L_HeI
    84.99536342, // b13, eq 49 L_HeI
    48.70031372, // b14, eq 51 L_He,min
    3.629118, // b15, eq 51 L_He,min
    323.6426981, // b16, eq 51 L_He,min
    0.6119477, // b17, eq 51 L_He,min
    54.96045, // b18, eq 53 L_ZAHB
    1.832694, // b19, eq 53 L_ZAHB
    121.1104, // b20, eq 53 L_ZAHB
    221.4088, // b21, eq 54 R_ZAHB
    2.063983, // b22, eq 54 R_ZAHB
    2.00316, // b23, eq 54 R_ZAHB
    17625.04039, // b24, eq 55 Rmin
    0.17475, // b25, eq 55 Rmin
    4.615750987, // b26, eq 55 Rmin
    1243.873339, // b27, eq 55 Rmin
    3.518506, // b28, eq 55 Rmin
    162.6062, // b29, eq 56 L_BAGB
    0.3336833, // b30, eq 56 L_BAGB
    42547.39882, // b31, eq 56 L_BAGB
    926.8325, // b32, eq 56 L_BAGB
    2.474401, // b33, eq 56 L_BAGB
    400.7732746, // b34, eq 56 L_BAGB
    0, // b35, not used
    0.0004362455843, // b36, eq 66 Mc,BAGB
    5.216516, // b37, eq 66 Mc,BAGB
    0.06840589161, // b38, eq 66 Mc,BAGB
    131.4955, // b39, eq 57 tHe
    18.23973, // b40, eq 57 tHe
    5.403122563, // b41, eq 57 tHe
    1.997378, // b42, eq 57 tHe
    0.1079113, // b43, eq 57 tHe
    68.29101175, // b44, eq 57 tHe
    0.682701, // b45, eq 58 f_bl
    1.804852251, // b46, eq 58 f_bl
    0.982802, // b47, eq 58 f_bl
    5.072525, // b48, eq 58 f_bl
    5.13974, // b49, eq 58 f_bl
    0, // b50, not used
    1.125124, // b51, eq 74 R_AGB
    0.3349489, // b52, eq 74 R_AGB
    1.467794, // b53, eq 74 R_AGB
    0.4658512, // b54, eq 74 R_AGB
    0.9800795273, // b55, eq 74 R_AGB
    1.110866, // b56, eq 74 R_AGB
    -0.1584333, // b57, eq 74 R_AGB
};

// Composition and mass limits.
inline constexpr double kZ = 0.02;
inline constexpr double kZPow04 = 0.2091279105; // Z^0.4, white-dwarf cooling
inline constexpr double kX = 0.7; // hydrogen abundance, radius floor of low-mass dwarfs
inline constexpr double kMhook = 1.0185; // below it no main-sequence hook (eq 1)
inline constexpr double kMHeF = 1.995; // below it helium ignites degenerately (eq 2)
inline constexpr double kMFGB = 13.03246853; // above it helium ignites in the Hertzsprung gap (eq 3)
inline constexpr double kLogD0 = 5.37; // giant-branch parameter D (eq 38)
inline constexpr double kXMS = 0.95; // eqs 5-6, t_MS
inline constexpr double kEtaCap = 10; // eq 18

// Appendix constants c1-c3.
inline constexpr double kC1 = -0.08672073; // eq 9b R_TMS
inline constexpr double kC2 = 9.301992; // eq 10 L_BGB
inline constexpr double kC3 = 4.637345; // eq 10 L_BGB

// Tout et al. (1996) zero-age main sequence, luminosity (eq 1) and radius (eq 2).
inline constexpr double kToutAlpha = 0.3970417;
inline constexpr double kToutBeta = 8.527626;
inline constexpr double kToutGamma = 0.00025546;
inline constexpr double kToutDelta = 5.432889;
inline constexpr double kToutEpsilon = 5.563579;
inline constexpr double kToutZeta = 0.7886606;
inline constexpr double kToutEta = 0.00586685;
inline constexpr double kToutTheta = 1.715359;
inline constexpr double kToutIota = 6.597788;
inline constexpr double kToutKappa = 10.08855;
inline constexpr double kToutLambda = 1.012495;
inline constexpr double kToutMu = 0.07490166;
inline constexpr double kToutNu = 0.01077422;
inline constexpr double kToutXi = 3.082234;
inline constexpr double kToutOmicron = 17.84778;
inline constexpr double kToutPi = 0.00022582;

// Values of the piecewise main-sequence coefficients at their joins.
inline constexpr double kAlphaRAtA66 = 0.0639296545; // eq 21
inline constexpr double kBAlphaL = 0.1960415256; // eq 19, alpha_L(2)
inline constexpr double kBBetaL = -0.1085931705; // eq 20
inline constexpr double kBDeltaL = 0.1673625488; // eq 16, Delta_L(a33)
inline constexpr double kBDeltaR = -0.0709626628; // eq 17, Delta_R(2)
inline constexpr double kBBetaR = 1.022366169; // eq 22, beta'_R(2)
inline constexpr double kCBetaR = 1.137206779; // eq 22, beta'_R(16)
inline constexpr double kBGammaR = 0.002434383359; // eq 23
inline constexpr double kRTMSAtA17 = 2.373538295; // eq 9, low-mass form at a17
inline constexpr double kRTMSAtA17Plus = 2.674948405; // eq 9, high-mass form at a17 + 0.1

// Constants that join the low- and high-mass forms at MHeF and MFGB.
inline constexpr double kAlpha1 = 1.011315374e-12; // eq 49 L_HeI
inline constexpr double kAlpha3 = 3.830404169e-14; // eq 56 L_BAGB
inline constexpr double kCLHe = 0.4837606432; // eq 51
inline constexpr double kLHeMinAtMHeF = 39.83650596; // eq 53 (alpha2)
inline constexpr double kAlpha4 = 1.249435818e-13; // eq 57 t_He
inline constexpr double kCMcBGB1 = 9.209248427e-05; // eq 44
inline constexpr double kCMcBGB2 = 5.402216; // eq 44
inline constexpr double kMcBGBAtMHeF = 0.2098372378; // eq 44, core mass at the base of the giant branch
inline constexpr double kMcHeIAtMHeF = 0.3181379103; // eq 44, core mass at helium ignition
inline constexpr double kRminFactorLowMass = 3.196531664; // radius of low-mass core-helium burning
inline constexpr double kFblExponent1 = 0.4805428; // eq 58 (0.414 in the printed paper)
inline constexpr double kFblC2 = 0.722956545; // eq 58
inline constexpr double kFblK = 7.156904096e-08; // eq 58, M > MFGB

// Remnants, envelope and winds.
inline constexpr double kMch = 1.44; // Chandrasekhar mass of the model
inline constexpr double kMaxNeutronStarMass = 3.0;
inline constexpr double kL0Mu = 7.0e4; // eq 97
inline constexpr double kKappaMu = -0.5; // eq 97
inline constexpr double kAHHe = 1.27e-5; // core growth on the thermally pulsing AGB
inline constexpr double kAHe = 8.0e-5; // core growth on the early AGB and in helium stars
inline constexpr double kEtaReimers = 0.5; // eq 106
inline constexpr double kHeliumWindFactor = 0.5;

} // namespace evolution::constants
