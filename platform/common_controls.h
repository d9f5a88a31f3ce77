// Stand-ins for what the windows expect of the Windows platform.
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace platform {

// Every window calls this when it is created; repeated calls are harmless.
// Here it makes the fonts the layouts name resolve to their free
// metric-compatible twins (Palatino Linotype -> P052, Tahoma -> DejaVu Sans,
// Times New Roman -> Liberation Serif, Arial -> Liberation Sans).
void InitCommonControls();

// The layouts' fonts. `pointSize` as the layouts give it (8.25, 9.75 ...).
QFont LayoutFont(const QString &family, double pointSize, bool bold = false);
// The default dialog font of the layouts (MS Sans Serif 8.25 pt).
QFont DialogFont();

} // namespace platform
