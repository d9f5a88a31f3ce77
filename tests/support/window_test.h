// What every window suite shares, as a base class whose slots QtTest runs
// around the suite and around each of its test functions:
//
//   initTestCase     tests stay away from the user's own files (QStandardPaths'
//                    test mode), and a scripted desktop answers every dialog
//                    (the end-to-end suite keeps the real one);
//   init             a clean script and a new, empty program folder (m_dir);
//   cleanup          every window unloaded and destroyed, and the default
//                    locale back to what the test function found;
//   cleanupTestCase  the real desktop and the program's own folder back.
//
// A suite with more to do declares the slot itself and calls the fixture's
// first (initTestCase, init) or last (cleanup, cleanupTestCase). Controls are
// found by their designer names, as the user's tools find them.
#pragma once

#include "platform/scripted_desktop.h"

#include <QFrame>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>

class WindowTest : public QObject {
    Q_OBJECT
public:
    enum class Dialogs { Scripted, Real };
    explicit WindowTest(Dialogs dialogs = Dialogs::Scripted);

protected slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

protected:
    // The catalogue the build put beside the program, copied into m_dir for
    // the test to change as it likes.
    void useShippedCatalogue();
    // Every window unloaded and destroyed, as after each test function.
    static void unloadEveryWindow();
    static void processDeletes();

    platform::ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;

private:
    Dialogs m_dialogs;
    QLocale m_locale;
};

// A control of `window` by its designer name (its objectName); nullptr if
// there is none.
template <class T = QWidget> T *Control(const QObject *window, const char *name)
{
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

// The texts of the named boxes of `window`, in the order given.
QStringList Texts(const QWidget *window, std::initializer_list<const char *> boxes);

// The diagram picture Picture1 of `window`, pressed or passed over at column
// x, row y of its drawing area (inside the sunken border), as the mouse does.
void PressPicture(const QWidget *window, int x, int y, Qt::MouseButton button = Qt::LeftButton,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void MovePointer(const QWidget *window, int x, int y, Qt::MouseButtons buttons = Qt::NoButton);
