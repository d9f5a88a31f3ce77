#include "platform/common_controls.h"

#include <QFont>
#include <QStringList>

namespace platform {

void InitCommonControls()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions(QStringLiteral("Palatino Linotype"),
        {QStringLiteral("P052"), QStringLiteral("URW Palladio L"), QStringLiteral("TeX Gyre Pagella"),
            QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont LayoutFont(const QString &family, double pointSize, bool bold)
{
    InitCommonControls();
    // The free twins are asked for first and the layout's own family last: a
    // family that is not installed sends the font matching through
    // fontconfig's slow search for fallbacks before anything else is tried.
    QFont font;
    font.setFamilies(QFont::substitutes(family) << family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont DialogFont()
{
    return LayoutFont(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace platform
