// The evolution model against the reference tracks, phase changes and
// landmark timescales of the published model (tests/evolution/reference/),
// its robustness across 0.1-100 Msun, isochrones, the magnitude handed to the
// diagrams, the CSV and the command line of the real program.
#include "evolution/csv.h"
#include "evolution/diagram_magnitude.h"
#include "evolution/isochrone.h"
#include "evolution/phases.h"
#include "evolution/star_formulas.h"
#include "evolution/track.h"
#include "model/stellar_model.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <charconv>
#include <clocale>
#include <cmath>
#include <map>
#include <memory>
#include <set>

using namespace evolution;

namespace {

QString referencePath(const QString &name)
{
    return QStringLiteral(EVOLUTION_REFERENCE_DIR "/") + name;
}

QList<QByteArray> fields(const QByteArray &line)
{
    QList<QByteArray> result;
    for (const QByteArray &f : line.simplified().split(' '))
        if (!f.isEmpty())
            result.append(f);
    return result;
}

double number(const QByteArray &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromLatin1(text), &ok);
    return ok ? value : std::nan("");
}

// The lines of a reference file, without its comment lines ("# ..."; "## ..." heads a block).
QList<QByteArray> referenceLines(const QString &name)
{
    QFile file(referencePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the reference file %s", qPrintable(file.fileName()));
    QList<QByteArray> lines;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith("# "))
            lines.append(line);
    return lines;
}

struct Deviation {
    double logL = 0, logR = 0, time = 0, mass = 0, core = 0;
};

bool isRemnant(int kw)
{
    return kw >= 10;
}

// Types a star may pass to from each type (the model's phase changes and envelope losses).
const std::map<int, std::set<int>> kNextTypes = {
    {0, {2}},
    {1, {2}},
    {2, {3, 4, 7, 10}},
    {3, {4, 7, 10}},
    {4, {5, 7}},
    {5, {6, 8, 9, 11, 12, 13, 14, 15}},
    {6, {11, 12, 13, 14, 15}},
    {7, {8, 9, 10}},
    {8, {9, 11, 12, 13, 14, 15}},
    {9, {8, 11, 12, 13, 14, 15}},
    {13, {14}},
};

std::unique_ptr<IsochroneGrid> grid;

} // namespace

class TestEvolution : public QObject {
    Q_OBJECT
private slots:
    void referenceTracks_data();
    void referenceTracks();
    void phaseChanges_data();
    void phaseChanges();
    void timescales_data();
    void timescales();
    void robustness_data();
    void robustness();
    void isochrones_data();
    void isochrones();
    void diagramMagnitude_data();
    void diagramMagnitude();
    void csvIgnoresTheLocale();
    void commandLine_data();
    void commandLine();
};

void TestEvolution::referenceTracks_data()
{
    QTest::addColumn<double>("mass");
    QTest::addColumn<QString>("file");
    QTest::newRow("1 Msun") << 1.0 << "sse_z0.02_m1.0.tsv";
    QTest::newRow("2 Msun") << 2.0 << "sse_z0.02_m2.0.tsv";
    QTest::newRow("5 Msun") << 5.0 << "sse_z0.02_m5.0.tsv";
    QTest::newRow("20 Msun") << 20.0 << "sse_z0.02_m20.0.tsv";
}

// Row by row: the same rows, the same type in every row, t within 1e-4
// relative, log L and log R within 1e-3 dex, Mt and Mc within 2e-4 Msun (the
// files print 4 decimals). At a supernova the model may record one more row of
// the last giant phase a moment before the remnant.
void TestEvolution::referenceTracks()
{
    QFETCH(double, mass);
    QFETCH(QString, file);
    QList<QByteArray> rows = referenceLines(file);
    QVERIFY(rows.takeFirst().startsWith("t_Myr"));
    const Track track = EvolveTrack(mass);
    Deviation worst;
    bool extraRowUsed = false;
    qsizetype i = 0;
    for (qsizetype j = 0; j < rows.size(); ++j, ++i) {
        const QList<QByteArray> r = fields(rows[j]);
        QVERIFY2(i < qsizetype(track.points.size()), qPrintable(QStringLiteral("track ends before row %1").arg(j + 1)));
        const double t = number(r[0]);
        const int kw = int(number(r[1]));
        const StarState *p = &track.points[i];
        if (!extraRowUsed && isRemnant(kw) && !isRemnant(p->typeNumber()) && i + 1 < qsizetype(track.points.size())
            && std::fabs(p->time - t) <= 1e-4 * t) {
            extraRowUsed = true;
            p = &track.points[++i];
        }
        const QString where = QStringLiteral("row %1 (t = %2)").arg(j + 1).arg(rows[j].left(10).constData());
        QVERIFY2(p->typeNumber() == kw, qPrintable(where + QStringLiteral(": type %1").arg(p->typeNumber())));
        const Deviation d {std::fabs(std::log10(p->luminosity) - number(r[4])),
            std::fabs(std::log10(p->radius) - number(r[5])), std::fabs(p->time - t) / std::max(t, 0.5),
            std::fabs(p->mass - number(r[3])), std::fabs(p->coreMass - number(r[7]))};
        QVERIFY2(d.logL <= 1e-3 && d.logR <= 1e-3 && d.time <= 1e-4 && d.mass <= 2e-4 && d.core <= 2e-4,
            qPrintable(where
                + QStringLiteral(": t %1 Mt %2 Mc %3 log L %4 log R %5")
                      .arg(p->time, 0, 'f', 4)
                      .arg(p->mass, 0, 'f', 4)
                      .arg(p->coreMass, 0, 'f', 4)
                      .arg(std::log10(p->luminosity), 0, 'f', 4)
                      .arg(std::log10(p->radius), 0, 'f', 4)));
        worst = {std::max(worst.logL, d.logL), std::max(worst.logR, d.logR), std::max(worst.time, d.time),
            std::max(worst.mass, d.mass), std::max(worst.core, d.core)};
    }
    QCOMPARE(qsizetype(track.points.size()), i);
    qInfo("%s: %lld rows; worst |d log L| %.1e, |d log R| %.1e, |dt|/t %.1e, |d Mt| %.1e, |d Mc| %.1e",
        qPrintable(file), i, worst.logL, worst.logR, worst.time, worst.mass, worst.core);

    // The state between two points: a point's own values at its time, the
    // earlier point held across a type change, and values between the two
    // neighbours within a phase.
    for (std::size_t k = 0; k + 1 < track.points.size(); ++k) {
        const StarState &a = track.points[k], &b = track.points[k + 1];
        QCOMPARE(StateAt(track, a.time).luminosity, a.luminosity);
        const StarState mid = StateAt(track, (a.time + b.time) / 2);
        QCOMPARE(mid.type, a.type);
        if (a.type != b.type && a.typeNumber() > 1) {
            QCOMPARE(mid.luminosity, a.luminosity);
        } else if (a.type == b.type) {
            const double low = std::min(a.luminosity, b.luminosity), high = std::max(a.luminosity, b.luminosity);
            QVERIFY2(mid.luminosity >= low * (1 - 1e-12) && mid.luminosity <= high * (1 + 1e-12),
                qPrintable(QStringLiteral("between points %1 and %2").arg(k + 1).arg(k + 2)));
        }
    }
}

void TestEvolution::phaseChanges_data()
{
    QTest::addColumn<double>("mass");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("massThen");
    QTest::addColumn<bool>("atEnd");
    double mass = 0;
    QList<QByteArray> lines = referenceLines("phase_changes.txt");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith("## M0=")) {
            mass = number(lines[i].mid(6));
            continue;
        }
        const QByteArray name = lines[i].left(lines[i].indexOf("Time")).trimmed();
        const QList<QByteArray> f = fields(lines[i].mid(lines[i].indexOf("Time")));
        const bool atEnd = i + 1 == lines.size() || lines[i + 1].startsWith("##");
        QTest::addRow("%g Msun: %s%s", mass, name.constData(), atEnd ? " at the end" : "")
            << mass << name << number(f[1]) << number(f[3]) << atEnd;
    }
}

// The time each type first appears (printed to 0.1 Myr) and the mass then (to
// 0.001 Msun), the state at 15000 Myr, and the phase table built from them.
void TestEvolution::phaseChanges()
{
    QFETCH(double, mass);
    QFETCH(QByteArray, name);
    QFETCH(double, time);
    QFETCH(double, massThen);
    QFETCH(bool, atEnd);
    static const std::map<QByteArray, int> types
        = {{"Main sequence Star", 1}, {"Hertzsprung Gap", 2}, {"Giant Branch", 3}, {"Core Helium Burning", 4},
            {"First AGB", 5}, {"Second AGB", 6}, {"Carbon/Oxygen WD", 11}, {"Neutron Star", 13}};
    QVERIFY2(types.count(name), name.constData());
    const int kw = types.at(name);
    const Track track = EvolveTrack(mass);
    const auto first = std::find_if(
        track.points.begin(), track.points.end(), [kw](const StarState &p) { return p.typeNumber() == kw; });
    QVERIFY(first != track.points.end());
    const StarState &p = atEnd ? track.points.back() : *first;
    QVERIFY2(std::fabs(p.time - time) <= 0.05 + 1e-4 * time, qPrintable(QString::number(p.time, 'f', 4)));
    QVERIFY2(std::fabs(p.mass - massThen) <= 5e-4 + 2e-4, qPrintable(QString::number(p.mass, 'f', 4)));
    QCOMPARE(p.typeNumber(), kw);
    if (atEnd)
        return;

    const std::vector<PhaseSpan> table = PhaseTable(track);
    const auto span
        = std::find_if(table.begin(), table.end(), [&](const PhaseSpan &s) { return s.phase == PhaseOf(p.type); });
    QVERIFY(span != table.end());
    if (first == track.points.begin() || PhaseOf((first - 1)->type) != span->phase)
        QCOMPARE(span->start, p.time);
    QCOMPARE(table.back().start + table.back().duration, kTrackEnd);
    QVERIFY(table.back().continuesAfterTrack);
}

void TestEvolution::timescales_data()
{
    QTest::addColumn<QList<QByteArray>>("header");
    QTest::addColumn<QList<QByteArray>>("row");
    QList<QByteArray> lines = referenceLines("timescales_sse_z0.02.tsv");
    const QList<QByteArray> header = fields(lines.takeFirst());
    for (const QByteArray &line : lines)
        QTest::addRow("%s Msun", fields(line)[0].constData()) << header << fields(line);
}

// The landmarks of a zero-age star to the printed 7 digits (relative 1e-6).
void TestEvolution::timescales()
{
    QFETCH(QList<QByteArray>, header);
    QFETCH(QList<QByteArray>, row);
    const double mass = number(row[0]);
    const detail::Landmarks lm = detail::HydrogenLandmarks(mass);
    const std::map<QByteArray, double> model = {{"tMS_Myr", lm.tMS}, {"tBGB_Myr", lm.tBGB}, {"tHeI_Myr", lm.tHeI},
        {"tHe_Myr", lm.tHe}, {"tnuc_Myr", detail::NuclearTime(lm, mass, 1)}, {"L_ZAMS", lm.LZAMS}, {"L_TMS", lm.LTMS},
        {"L_BGB", lm.LBGB}, {"L_HeI", lm.LHeI}, {"L_He_min", lm.LHe}, {"L_Mx", lm.gb.Lx}, {"L_BAGB", lm.LBAGB},
        {"L_TP", lm.LDU}, {"Mc_BGB", lm.McBGB}, {"GB_Mx", lm.gb.Mx}};
    QCOMPARE(qsizetype(model.size()), header.size() - 1);
    for (qsizetype i = 1; i < header.size(); ++i) {
        const double expected = number(row[i]), got = model.at(header[i]);
        QVERIFY2(std::fabs(got / expected - 1) <= 1e-6,
            qPrintable(
                QStringLiteral("%1: %2, expected %3").arg(header[i]).arg(got, 0, 'g', 9).arg(expected, 0, 'g', 9)));
    }
}

void TestEvolution::robustness_data()
{
    QTest::addColumn<double>("mass");
    QTest::addColumn<QList<int>>("mustPass"); // types the track must reach
    QTest::addColumn<int>("finalType"); // -1: not checked
    QTest::newRow("0.1 Msun, lowest") << 0.1 << QList<int> {0} << 0;
    QTest::newRow("0.5 Msun") << 0.5 << QList<int> {0} << 0;
    QTest::newRow("0.7184 Msun, fully convective") << 0.7184 << QList<int> {0} << 0;
    QTest::newRow("0.7185 Msun, edge") << 0.7185 << QList<int> {1} << 1;
    QTest::newRow("0.85 Msun") << 0.85 << QList<int> {1} << 1;
    QTest::newRow("0.95 Msun") << 0.95 << QList<int> {1, 2} << -1;
    QTest::newRow("1.0185 Msun, Mhook") << 1.0185 << QList<int> {1, 2, 3, 4, 5, 6, 11} << 11;
    QTest::newRow("1.3 Msun") << 1.3 << QList<int> {1, 2, 3, 4, 5, 6, 11} << 11;
    QTest::newRow("1.995 Msun, MHeF") << 1.995 << QList<int> {3, 4, 6, 11} << 11;
    QTest::newRow("2.0 Msun, D p q break") << 2.0 << QList<int> {3, 4, 6, 11} << 11;
    QTest::newRow("2.3 Msun") << 2.3 << QList<int> {3, 4, 6, 11} << 11;
    QTest::newRow("2.5 Msun") << 2.5 << QList<int> {3, 4, 6, 11} << 11;
    QTest::newRow("3.5 Msun") << 3.5 << QList<int> {3, 4, 6, 11} << 11;
    QTest::newRow("6.5 Msun") << 6.5 << QList<int> {3, 4, 5} << -1;
    QTest::newRow("7.5 Msun") << 7.5 << QList<int> {3, 4, 5} << -1;
    QTest::newRow("9 Msun") << 9.0 << QList<int> {3, 4, 5, 13} << 13;
    QTest::newRow("12 Msun") << 12.0 << QList<int> {3, 4, 5} << -1;
    QTest::newRow("13.0324 Msun, below MFGB") << 13.0324 << QList<int> {2, 3, 4} << -1;
    QTest::newRow("13.0325 Msun, above MFGB") << 13.0325 << QList<int> {2, 4} << -1;
    QTest::newRow("16 Msun") << 16.0 << QList<int> {2, 4, 5, 13} << 13;
    QTest::newRow("25 Msun") << 25.0 << QList<int> {2, 4} << 14;
    QTest::newRow("30 Msun, helium star") << 30.0 << QList<int> {7, 8} << 14;
    QTest::newRow("40 Msun, helium star") << 40.0 << QList<int> {7, 8} << 14;
    QTest::newRow("60 Msun, helium star") << 60.0 << QList<int> {7, 8} << 14;
    QTest::newRow("80 Msun, helium star") << 80.0 << QList<int> {7, 8} << 14;
    QTest::newRow("100 Msun, highest") << 100.0 << QList<int> {7, 8} << 14;
}

// Finite values, time increasing to 15000 Myr, types moving only forward.
void TestEvolution::robustness()
{
    QFETCH(double, mass);
    QFETCH(QList<int>, mustPass);
    QFETCH(int, finalType);
    const Track track = EvolveTrack(mass);
    QVERIFY(!track.points.empty());
    std::set<int> seen;
    for (std::size_t i = 0; i < track.points.size(); ++i) {
        const StarState &p = track.points[i];
        const QByteArray where = "point " + QByteArray::number(qulonglong(i + 1));
        QVERIFY2(std::isfinite(p.time) && std::isfinite(p.mass) && std::isfinite(p.coreMass)
                && std::isfinite(p.formulaMass) && p.luminosity > 0 && std::isfinite(p.luminosity) && p.radius > 0
                && std::isfinite(p.radius) && std::isfinite(p.temperature),
            where.constData());
        QVERIFY2(p.coreMass <= p.mass + 1e-12 && p.mass <= mass + 1e-12, where.constData());
        seen.insert(p.typeNumber());
        if (i == 0)
            continue;
        const StarState &q = track.points[i - 1];
        QVERIFY2(p.time > q.time, where.constData());
        if (p.type != q.type) {
            const auto next = kNextTypes.find(q.typeNumber());
            QVERIFY2(next != kNextTypes.end() && next->second.count(p.typeNumber()),
                qPrintable(QStringLiteral("%1: type %2 to %3").arg(where).arg(q.typeNumber()).arg(p.typeNumber())));
        }
    }
    QCOMPARE(track.points.back().time, kTrackEnd);
    for (int kw : mustPass)
        QVERIFY2(seen.count(kw), qPrintable(QStringLiteral("never type %1").arg(kw)));
    if (finalType >= 0)
        QCOMPARE(track.points.back().typeNumber(), finalType);
}

void TestEvolution::isochrones_data()
{
    QTest::addColumn<double>("age");
    QTest::addColumn<double>("turnOff"); // 0: none
    QTest::newRow("0 Myr, all on the main sequence") << 0.0 << 0.0;
    QTest::newRow("3 Myr, before the first leaves") << 3.0 << 0.0;
    // At the main-sequence lifetime of a mass (landmark table) that mass is the turn-off.
    QList<QByteArray> lines = referenceLines("timescales_sse_z0.02.tsv");
    lines.removeFirst();
    for (const QByteArray &line : lines) {
        const QList<QByteArray> f = fields(line);
        const double mass = number(f[0]), tMS = number(f[1]);
        if (mass >= 1.0 && mass <= 5.0) // lighter ones live longer than 15000 Myr; heavier lose mass on it
            QTest::addRow("t_MS of %g Msun", mass) << tMS << mass;
    }
    QTest::newRow("15000 Myr") << 15000.0 << 0.92355;
}

// Turn-off masses that fall as the age rises, points ordered by mass, every
// point a living star or a remnant, the turn-off itself on the main sequence.
void TestEvolution::isochrones()
{
    QFETCH(double, age);
    QFETCH(double, turnOff);
    if (!grid)
        grid = std::make_unique<IsochroneGrid>();
    const Isochrone iso = grid->At(age);
    QCOMPARE(iso.age, age);
    if (turnOff == 0) {
        QVERIFY(!iso.turnOffMass && !iso.turnOffIndex);
    } else {
        QVERIFY(iso.turnOffMass && iso.turnOffIndex);
        QVERIFY2(
            std::fabs(*iso.turnOffMass / turnOff - 1) <= 1e-5, qPrintable(QString::number(*iso.turnOffMass, 'g', 9)));
        const IsochronePoint &t = iso.points.at(*iso.turnOffIndex);
        QCOMPARE(t.initialMass, *iso.turnOffMass);
        QVERIFY(t.state.typeNumber() <= 1);
        QVERIFY2(*iso.turnOffIndex + 20 < iso.points.size(), "too few stars beyond the turn-off");
        QVERIFY(iso.points[*iso.turnOffIndex + 1].state.typeNumber() >= 2);
    }
    QVERIFY(iso.points.size() > 300);
    for (std::size_t i = 0; i < iso.points.size(); ++i) {
        const IsochronePoint &p = iso.points[i];
        QVERIFY(p.initialMass >= kMinimumMass && p.initialMass <= kMaximumMass);
        QVERIFY(i == 0 || p.initialMass > iso.points[i - 1].initialMass);
        QVERIFY(p.state.type != StellarType::MasslessRemnant);
        QVERIFY(std::isfinite(std::log10(p.state.luminosity)) && std::isfinite(p.state.temperature));
        QCOMPARE(p.state.time, age);
        if (turnOff > 0 && p.initialMass < *iso.turnOffMass)
            QVERIFY(p.state.typeNumber() <= 1);
    }
}

void TestEvolution::diagramMagnitude_data()
{
    QTest::addColumn<double>("luminosity");
    QTest::addColumn<bool>("plottable");
    QTest::newRow("red dwarf") << 0.05 << true;
    QTest::newRow("Sun") << 1.0 << true;
    QTest::newRow("red giant") << 170.0 << true;
    QTest::newRow("most luminous") << 5e6 << true;
    QTest::newRow("floor of the relation") << 0.036901896905139 << false;
    QTest::newRow("white dwarf") << 1e-3 << false;
    QTest::newRow("black hole") << 1e-10 << false;
    QTest::newRow("not a number") << std::nan("") << false;
}

// The magnitude handed to the diagrams gives back the evolution's luminosity
// through the diagrams' own plot relation.
void TestEvolution::diagramMagnitude()
{
    QFETCH(double, luminosity);
    QFETCH(bool, plottable);
    const std::optional<double> mv = DiagramMagnitude(luminosity);
    QCOMPARE(mv.has_value(), plottable);
    if (!mv)
        return;
    const double back = model::LuminosityFromMagnitude(*mv, model::ConstantSet::Plot);
    QVERIFY2(std::fabs(back / luminosity - 1) <= 1e-13, qPrintable(QString::number(back, 'g', 17)));
}

// German numbers use a decimal comma; the CSV never does, and every number
// reads back to its seven significant digits.
void TestEvolution::csvIgnoresTheLocale()
{
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    const Track track = EvolveTrack(5.0);
    const std::string csv = TrackCsv(track);
    std::setlocale(LC_ALL, "C");
    const QList<QByteArray> lines = QByteArray::fromStdString(csv).split('\n');
    QCOMPARE(lines.first(), "t_Myr,type,mass,core_mass,log_L,log_R,log_Teff");
    QCOMPARE(lines.size(), qsizetype(track.points.size()) + 2); // and the empty piece after the last newline
    for (std::size_t i = 0; i < track.points.size(); ++i) {
        const QList<QByteArray> f = lines[qsizetype(i) + 1].split(',');
        QCOMPARE(f.size(), 7);
        const StarState &p = track.points[i];
        const double expected[] = {p.time, double(p.typeNumber()), p.mass, p.coreMass, std::log10(p.luminosity),
            std::log10(p.radius), std::log10(p.temperature)};
        for (int k = 0; k < 7; ++k) {
            double value = 0;
            const auto r = std::from_chars(f[k].constData(), f[k].constData() + f[k].size(), value);
            QVERIFY2(r.ptr == f[k].constData() + f[k].size(), f[k].constData());
            QVERIFY2(std::fabs(value - expected[k]) <= 1e-6 * std::max(1.0, std::fabs(expected[k])), f[k].constData());
        }
    }
}

void TestEvolution::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QByteArray>("firstLine"); // of standard output, or of standard error on failure
    QTest::addColumn<int>("lines"); // of standard output; -1: not checked
    const QByteArray track = "t_Myr,type,mass,core_mass,log_L,log_R,log_Teff";
    const QByteArray massRange = "between 0.1 and 100 solar masses";
    QTest::newRow("help") << QStringList {"--help"} << 0
                          << QByteArray("Usage: veltrane [--track MASS | --isochrone AGE_MYR | --help]") << -1;
    QTest::newRow("1 Msun track, a row per step") << QStringList {"--track", "1"} << 0 << track << 934;
    QTest::newRow("20 Msun track, written with =") << QStringList {"--track=20.0"} << 0 << track << 225;
    QTest::newRow("isochrone") << QStringList {"--isochrone", "4600"} << 0
                               << QByteArray("initial_mass,type,mass,log_L,log_R,log_Teff") << -1;
    QTest::newRow("mass too low") << QStringList {"--track", "0.05"} << 2
                                  << "veltrane: --track: the mass \"0.05\" is outside the range; it must be "
            + massRange << 0;
    QTest::newRow("mass too high") << QStringList {"--track", "1e3"} << 2
                                   << "veltrane: --track: the mass \"1e3\" is outside the range; it must be "
            + massRange << 0;
    QTest::newRow("age before the start")
        << QStringList {"--isochrone", "-5"} << 2
        << QByteArray("veltrane: --isochrone: the age \"-5\" is outside the range; it "
                      "must be between 0 and 15000 Myr")
        << 0;
    QTest::newRow("age too old") << QStringList {"--isochrone=20000"} << 2
                                 << QByteArray("veltrane: --isochrone: the age \"20000\" is outside the range; it must "
                                               "be between 0 and 15000 Myr")
                                 << 0;
    QTest::newRow("not a number") << QStringList {"--track", "sun"} << 2
                                  << "veltrane: --track: \"sun\" is not a number; the mass must be " + massRange << 0;
    QTest::newRow("decimal comma")
        << QStringList {"--track", "1,5"} << 2
        << "veltrane: --track: \"1,5\" is not a number (write \"1.5\" with a decimal point); "
           "the mass must be "
            + massRange
        << 0;
    QTest::newRow("nan") << QStringList {"--track", "nan"} << 2
                         << "veltrane: --track: \"nan\" is not a number; the mass must be " + massRange << 0;
    QTest::newRow("no value") << QStringList {"--track"} << 2 << "veltrane: --track needs a mass " + massRange << 0;
    QTest::newRow("two options") << QStringList {"--track", "1", "--isochrone", "5"} << 2
                                 << QByteArray("veltrane: give only one of --track, --isochrone and --help") << 0;
    QTest::newRow("stray argument") << QStringList {"--track", "1", "2"} << 2
                                    << QByteArray("veltrane: unexpected argument \"2\" (see veltrane --help)") << 0;
}

// The real program, in a German locale and without any display.
void TestEvolution::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitStatus);
    QFETCH(QByteArray, firstLine);
    QFETCH(int, lines);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("LC_ALL", "de_DE.UTF-8");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELTRANE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QByteArray out = program.readAllStandardOutput(), err = program.readAllStandardError();
    QCOMPARE(program.exitCode(), exitStatus);
    QCOMPARE((exitStatus == 0 ? out : err).split('\n').first(), firstLine);
    if (exitStatus != 0) {
        QVERIFY(out.isEmpty());
        QCOMPARE(err.count('\n'), 1);
    }
    if (lines >= 0)
        QCOMPARE(out.count('\n'), lines);
    if (exitStatus == 0 && firstLine.contains(','))
        QVERIFY2(!out.split('\n').at(1).contains(";"), "one field per comma");
}

QTEST_GUILESS_MAIN(TestEvolution)
#include "test_evolution.moc"
