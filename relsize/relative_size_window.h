// The relative size window (designer name Form3), captioned "Relative Size":
// the selected star drawn beside the Sun on a black surface, with SAVE (as a
// bitmap), HELP and EXIT.
#pragma once

#include "model/star_value.h"
#include "relsize/star_appearance.h"
#include "relsize/twip_surface.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace relsize {

class RelativeSizeWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form3";

    RelativeSizeWindow();

    // The drawing surface: the client area in twips, kept in a persistent
    // image that only unloading the window discards.
    float scaleWidth() const { return m_surface.scaleWidth(); }
    float scaleHeight() const { return m_surface.scaleHeight(); }
    const QImage &image() const { return m_surface.image(); }

    // A diagram's star beside the Sun, in the colour and to the scale of its
    // temperature and magnitude on that diagram; a star hotter than the
    // colours reach draws nothing.
    void drawStar(const model::StarValue &star);
    // The star's disc, then the Sun's over it, on what is already drawn; the
    // window's accessible description then says what was drawn last.
    void drawStarAndSun(const StarAppearance &appearance, double radius);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void placeControls();
    void connectControls();
    void circle(float x, float y, float radius, const QColor &fill);
    void saveAsBitmap();
    void openHelp();
    void leave();

    TwipSurface m_surface;
    QLabel *m_sunCaption = nullptr, *m_starCaption = nullptr;
    QPushButton *m_saveButton = nullptr, *m_helpButton = nullptr, *m_exitButton = nullptr;
};

} // namespace relsize
