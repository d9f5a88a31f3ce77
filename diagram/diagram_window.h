// What the general and the main-sequence diagram windows share: the picture,
// the read-out frame, the status bar, the click, the live read-out, the plot,
// the selected star and the menu items both have.
#pragma once

#include "diagram/diagram_picture.h"
#include "model/diagram_steps.h"
#include "model/star_value.h"
#include "platform/arbutton.h"
#include "platform/widget_helpers.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace diagram {

// A caption and its read-out box, positioned inside the read-out frame.
struct ReadOutRow {
    const char *label, *caption, *box;
    int labelTop, boxTop;
};
struct ReadOutColumns {
    int labelLeft, labelWidth, labelHeight, boxLeft, boxWidth, boxHeight;
};

// What makes one diagram window differ from the other.
struct WindowDesign {
    QSize client; // client area below the menu bar, status bar included
    QImage picture; // the diagram picture
    model::DiagramKind kind;
    QColor ring;
    QString statusText;
    QString pictureName; // the picture as a screen reader names it
};

// What both diagram windows offer the rest of the program. Their controls
// are their own: other windows plot, clear and show through these methods.
class DiagramWindow : public QMainWindow {
    Q_OBJECT
public:
    // The selected star, if any: what the last click read or the last plot
    // computed, with its read-outs. The boxes display it; the relative size
    // view and the report read it.
    const std::optional<model::StarValue> &selectedStar() const { return m_star; }

    // Plots a star given by its temperature and absolute magnitude (typed in
    // the star database, or worked out elsewhere): marks it on the picture
    // over earlier marks and selects it. A star that cannot be plotted is
    // reported and leaves no star selected.
    void plot(const model::GivenStar &star);
    // Back to the bare diagram: every mark drawn so far disappears.
    void clearMarks();
    // The live read-out of the point under the mouse pointer.
    void setLiveReadoutVisible(bool visible);

signals:
    // What the window asks of the program, which the composition carries out:
    // the relative-size button with a star selected, "Star Evolution" in the
    // File menu, "About" in the Help menu, and "&EXIT" or "Exit".
    void relativeSizeRequested(const model::StarValue &star);
    void starEvolutionRequested();
    void aboutRequested();
    void exitRequested();

protected:
    explicit DiagramWindow(WindowDesign design);

    QWidget *client() const { return m_client; }
    QGroupBox *addFrame(const char *name, const QString &caption, const QRect &geometry);
    // One label and box per row, the rows in the order of the quantities:
    // temperature, magnitude, luminosity, radius, radius in km, then on the
    // main-sequence window mass, mass in kg and lifetime.
    void addReadOuts(QGroupBox *frame, std::span<const ReadOutRow> rows, const ReadOutColumns &columns);
    // The live read-out that follows the pointer over the picture.
    void addLiveReadout(QGroupBox *frame, const char *name, const QRect &geometry);

    template <class W, class Handler>
    platform::ARButton *addButton(
        const char *name, const QString &caption, const QRect &geometry, W *window, Handler handler)
    {
        auto *button = platform::Place<platform::ARButton>(m_client, name, geometry, caption);
        connect(button, &QPushButton::clicked, window, handler);
        return button;
    }
    template <class W, class Handler>
    QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption, W *window, Handler handler)
    {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, window, handler);
        return action;
    }
    QMenu *addMenu(const char *name, const QString &caption);
    // "Star Evolution" in the File menu of both windows.
    void addStarEvolutionItem(QMenu *file);
    // Last: the "Help" menu both windows end with, then the fixed size, centred.
    void finishWithHelpMenu();

    // The handlers both windows share.
    void showRelativeSize();
    void printData();
    void openHelp();
    void exitProgram();

private:
    void createStatusBar();
    // A press with any button reads the star under the pointer; nothing is drawn.
    void readStarAt(double x, double y);
    // The live read-out follows the pointer, also while dragging out of the picture.
    void followPointer(double x, double y);
    void drawMarks(const model::StarPoint &star);
    // The boxes show the selected star's read-outs, or nothing.
    void showSelectedStar();
    void forgetStar();

    WindowDesign m_design;
    QWidget *m_client = nullptr;
    DiagramPicture *m_picture = nullptr;
    QLabel *m_liveReadout = nullptr;
    // The live read-out's captions in the user's language, looked up once.
    const std::pair<std::string, std::string> m_liveCaptions {
        tr("TEMPERATURE(K) = ").toStdString(), tr("ABS. MAGNITUDE = ").toStdString()};
    // The box of each read-out row, in the order of model::kReadOutRows; the
    // mass, mass in kg and lifetime rows only on the main-sequence window.
    std::array<QLineEdit *, std::size(model::kReadOutRows)> m_boxes {};
    std::optional<model::StarValue> m_star;
    // The column of the last plot, which the general window keeps for a star
    // hotter than the calibration reaches; it outlives the selected star.
    double m_plotColumn = 0;
};

} // namespace diagram
