// The star evolution window (designer name Form7), captioned "Star Evolution":
// a star of the initial mass the student chooses lives its life on a
// Hertzsprung-Russell diagram of its own, with its read-outs, the star drawn
// beside the Sun and the table of its phases; or, for a star cluster, the
// isochrone of all masses at one age with its main-sequence turn-off. The
// star goes over to both diagram windows through windows::DiagramLink, and
// the track or the isochrone is saved as CSV. Everything is made when the
// window opens, the isochrones' preparation when they are first shown.
#pragma once

#include "evolution/isochrone.h"
#include "evolution/phases.h"
#include "evolution/track.h"
#include "starlife/life_pictures.h"
#include "starlife/life_scale.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTableWidget;
class QTimer;

namespace windows {
class DiagramLink;
}

namespace starlife {

class PictureView;

class StarEvolutionWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char *kDesignerName = "Form7";

    explicit StarEvolutionWindow(windows::DiagramLink &diagrams);
    ~StarEvolutionWindow() override;

    // The star of this initial mass (0.1-100 Msun) at this age (Myr), as the
    // student would choose them with the controls.
    void showStar(double initialMass, double age);
    // A star cluster's isochrone at the age shown, or one star's life again.
    void showCluster(bool cluster);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void createControls();
    void placeReadOuts();
    void connectControls();

    // The handlers of the controls.
    void massTyped();
    void massSlid(int position);
    void ageSlid(int position);
    void playOrPause();
    void nextFrame();
    void showOnDiagrams();
    void saveCsv();

    void chooseMass(double mass);
    void setAgeSliderQuietly(double position);
    void showAgeNote();
    void prepareIsochrones();
    // The read-outs, the drawings and the phase table follow the star.
    void showCurrentStar();
    void showPhaseTable();
    void stopPlaying();

    windows::DiagramLink &m_diagrams;

    QLineEdit *m_massBox = nullptr; // "Initial mass (Sun = 1)"
    QSlider *m_massSlider = nullptr, *m_ageSlider = nullptr;
    QRadioButton *m_lifeOption = nullptr, *m_clusterOption = nullptr;
    PictureView *m_diagram = nullptr, *m_besideSun = nullptr;
    QPushButton *m_playButton = nullptr, *m_showButton = nullptr, *m_saveButton = nullptr, *m_helpButton = nullptr,
                *m_closeButton = nullptr;
    QLabel *m_ageNote = nullptr, *m_magnitudeNote = nullptr, *m_turnOffLabel = nullptr;
    std::vector<QLineEdit *> m_readOuts; // in the order of the rows
    QTableWidget *m_phaseTable = nullptr;
    QTimer *m_player = nullptr;

    // The star chosen and where it stands.
    double m_mass = 1;
    QString m_massText;
    evolution::Track m_track;
    std::optional<LifeScale> m_scale;
    std::vector<evolution::PhaseSpan> m_phases;
    std::vector<DiagramPoint> m_trackCurve;
    double m_age = 0; // Myr
    evolution::StarState m_star;
    bool m_cluster = false;
    bool m_sliding = false; // the window itself moves a slider

    // The star cluster, prepared on first use.
    std::unique_ptr<evolution::IsochroneGrid> m_grid;
    evolution::Isochrone m_isochrone;

    DiagramTexts m_texts;
    QImage m_backdrop;
};

} // namespace starlife
