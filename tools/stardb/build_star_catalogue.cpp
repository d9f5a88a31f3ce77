// Builds the starting star catalogue stars.vlt from stars.csv at build time.
// Usage: build_star_catalogue <stars.csv> <stars.vlt>
#include "stardb/star_catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &text)
{
    std::fprintf(stderr, "build_star_catalogue: %s\n", qPrintable(text));
    return 1;
}

bool isNumber(const QString &text)
{
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: build_star_catalogue <stars.csv> <stars.vlt>"));

    QFile csv(args.at(1));
    if (!csv.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("%1: %2").arg(args.at(1), csv.errorString()));
    QTextStream in(&csv);
    QList<stardb::StarRecord> records;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        // name, temperature, magnitude, type, Hipparcos number, source (the
        // source may hold commas)
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 6)
            return fail(QStringLiteral("%1:%2: six fields expected").arg(args.at(1)).arg(lineNumber));
        const stardb::StarRecord record {fields.at(0).trimmed(), fields.at(1).trimmed(), fields.at(2).trimmed()};
        if (record.name.isEmpty() || !isNumber(record.temperature) || !isNumber(record.magnitude))
            return fail(QStringLiteral("%1:%2: a name and two numbers expected").arg(args.at(1)).arg(lineNumber));
        records.append(record);
    }

    QString error;
    if (!stardb::WriteCatalogue(args.at(2), records, &error))
        return fail(QStringLiteral("%1: %2").arg(args.at(2), error));
    return 0;
}
