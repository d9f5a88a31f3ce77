// Names for screen readers. A box the user reads or types into is named
// after the caption beside it, as a sighted user reads the window.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace platform {

// Names every text box, check box and list of `window` that has no
// accessible name yet: after the label whose buddy it is, else after the
// label to its left on the same row in the same parent, else after the
// caption of the frame holding it. Controls without such a caption are left
// alone; their windows name them. Called once when a window is created.
void NameControlsForAccessibility(QWidget *window);

// The label that names `control` by the rule above; nullptr if none.
QLabel *CaptionLabelFor(const QWidget *control);

// A caption as read aloud: without its access-key ampersands, trimmed.
QString SpokenCaption(const QString &caption);

} // namespace platform
