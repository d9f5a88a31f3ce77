// The report builder with any read-out texts: always 15 or 21 lines, each
// ending in CR LF, the labels in place, whatever the boxes hold.
#include "report/report_text.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto kind = (data[0] & 1) ? model::DiagramKind::MainSequence : model::DiagramKind::General;
    const QList<QByteArray> parts
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)).split('\0');
    QString fields[8];
    for (int i = 0; i < 8 && i < parts.size(); ++i)
        fields[i] = QString::fromUtf8(parts[i]);
    model::StarValue star {kind, {}, {}};
    for (int i = 0; i < 8; ++i)
        star.readOuts.*model::kReadOutRows[i] = fields[i].toStdString();

    const QByteArray text = report::ReportText(star);
    if (!text.startsWith("  *^*^*^*^*^*^*^*^* VELTRANE DATA *^*^*^*^*^*^*^*^* \r\n")
        || !text.endsWith("**********\r\n"))
        std::abort();
    bool breaksInFields = false;
    for (const QString &f : fields)
        breaksInFields |= f.contains(QLatin1Char('\r')) || f.contains(QLatin1Char('\n'));
    if (!breaksInFields) {
        const int expected = kind == model::DiagramKind::General ? 15 : 21;
        if (text.count("\r\n") != expected || text.count('\n') != expected)
            std::abort();
        const QList<QByteArray> lines = text.split('\n');
        if (!lines[3].startsWith("AVERAGE SURFACE TEMPERATURE (K)= ") || !lines[5].startsWith("ABSOLUTE MAGNITUDE = "))
            std::abort();
    }
    return 0;
}
