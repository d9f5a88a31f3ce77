// What the general and the main-sequence diagram windows share: the picture,
// the read-out frame, the status bar, the click, the live read-out, the plot,
// and the menu items both have.
#pragma once

#include "diagram/diagram_picture.h"
#include "model/diagram_steps.h"
#include "model/number_format.h"
#include "model/stellar_model.h"
#include "platform/arbutton.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <initializer_list>
#include <span>

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
    bool mainSequence; // mass, mass in kg and lifetime; the magnitude rewritten by a plot
    model::ColumnRule columnRule;
    QColor ring;
    QString statusText;
};

class DiagramWindow : public QMainWindow {
    Q_OBJECT
public:
    // The current star of this window; the relative size view reads it.
    model::StarPoint star;
    DiagramPicture *Picture1 = nullptr;

    // Back to the bare diagram: every mark drawn so far disappears.
    void ClearPicture();

    // A press with any button reads the star under the pointer; nothing is drawn.
    void Picture1_MouseDown(int button, int shift, double x, double y);
    // The live read-out follows the pointer, also while dragging out of the picture.
    void Picture1_MouseMove(int button, int shift, double x, double y);

protected:
    explicit DiagramWindow(diagram::WindowDesign design);

    // The boxes each quantity goes to; the main-sequence ones only there.
    struct ReadOutBoxes {
        QLineEdit *temperature = nullptr, *magnitude = nullptr, *luminosity = nullptr, *radius = nullptr,
                  *radiusKm = nullptr, *mass = nullptr, *massKg = nullptr, *lifetime = nullptr;
    };

    QWidget *client() const { return m_client; }
    QGroupBox *addFrame(const char *name, const QString &caption, const QRect &geometry);
    // One label and box per row. Both windows list their rows in the order of
    // the quantities: temperature, magnitude, luminosity, radius, radius in km,
    // then mass, mass in kg and lifetime; `boxes` receive the boxes in that order.
    void addReadOuts(QGroupBox *frame, std::span<const diagram::ReadOutRow> rows,
        const diagram::ReadOutColumns &columns, std::initializer_list<QLineEdit **> boxes);
    // The live read-out that Picture1_MouseMove writes.
    QLabel *addLiveReadout(QGroupBox *frame, const char *name, const QRect &geometry);

    template <class W, class Handler>
    platform::ARButton *addButton(
        const char *name, const QString &caption, const QRect &geometry, W *window, Handler handler)
    {
        auto *button = new platform::ARButton(QString::fromLatin1(name), caption, m_client);
        button->setGeometry(geometry);
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
    // Last: the "Help" menu both windows end with, then the fixed size, centred.
    void finishWithHelpMenu();

    // The handlers both windows share.
    void plot();
    void showRelativeSize();
    void printData();
    void openHelp();
    void showAbout();
    void exitProgram();

private:
    void createStatusBar();
    void showProgress(const model::Progress &progress, bool plotted);
    void forgetStar();
    void write(QLineEdit *box, double value, model::Pattern pattern) const;

    diagram::WindowDesign m_design;
    QWidget *m_client = nullptr;
    QLabel *m_liveReadout = nullptr;
    ReadOutBoxes m_boxes;
};

} // namespace diagram
