// "Relative Size": the current star drawn beside the Sun on a black surface,
// with SAVE (as a bitmap), HELP and EXIT.
#pragma once

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
    relsize::TwipSurface &surface() { return m_surface; }
    float ScaleWidth() const { return m_surface.ScaleWidth(); }
    float ScaleHeight() const { return m_surface.ScaleHeight(); }
    void setFillColor(const QColor &colour) { m_surface.setFillColor(colour); }
    void Circle(float x, float y, float radius, const QColor &outline);
    const QImage &image() const { return m_surface.image(); }

    // The star's disc, then the Sun's over it, on what is already drawn; the
    // window's accessible description then says what was drawn last.
    void DrawStarAndSun(const relsize::StarAppearance &appearance, double radius);

    QLabel *Label1, *Label2;
    QPushButton *Command1, *Command2, *Command3;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void placeControls();
    void connectControls();

    relsize::TwipSurface m_surface;
};

} // namespace relsize
