// What every window suite shares: a scripted desktop answers every dialog,
// each test function can run in a fresh temporary program folder, and
// controls are found by their designer names as the user's tools find them.
#pragma once

#include "platform/common_controls.h"
#include "platform/scripted_desktop.h"
#include "windows/dialogs.h"
#include "windows/window_registry.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>

class WindowTest : public QObject {
protected:
    // For initTestCase.
    void useScriptedDesktop() { windows::SetDesktop(&m_desktop); }
    // For init: a clean script and a new, empty program folder.
    bool freshProgramFolder()
    {
        m_desktop.clear();
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_dir->isValid())
            return false;
        platform::SetProgramFolder(m_dir->path());
        return true;
    }
    // For cleanup: every window unloaded and destroyed.
    static void unloadEveryWindow()
    {
        windows::Registry().unloadAll();
        processDeletes();
    }
    // For cleanupTestCase.
    void restoreDesktop()
    {
        windows::SetDesktop(nullptr);
        platform::SetProgramFolder({});
    }
    static void processDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    platform::ScriptedDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_dir;
};

// A control of `window` by its designer name (its objectName); nullptr if
// there is none.
template <class T = QWidget> T *Control(const QObject *window, const char *name)
{
    return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
}

// The texts of the named boxes of `window`, in the order given.
inline QStringList Texts(const QWidget *window, std::initializer_list<const char *> boxes)
{
    QStringList texts;
    for (const char *name : boxes) {
        const auto *box = Control<QLineEdit>(window, name);
        texts << (box ? box->text() : QStringLiteral("<no %1>").arg(QLatin1String(name)));
    }
    return texts;
}

// The diagram picture Picture1 of `window`, pressed or passed over at column
// x, row y of its drawing area (inside the sunken border), as the mouse does.
inline void PressPicture(const QWidget *window, int x, int y, Qt::MouseButton button = Qt::LeftButton,
    Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    auto *picture = Control<QFrame>(window, "Picture1");
    if (!picture)
        return;
    const QPointF at = QPointF(picture->contentsRect().topLeft() + QPoint(x, y));
    QMouseEvent press(QEvent::MouseButtonPress, at, picture->mapToGlobal(at), button, button, modifiers);
    QCoreApplication::sendEvent(picture, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, picture->mapToGlobal(at), button, Qt::NoButton, modifiers);
    QCoreApplication::sendEvent(picture, &release);
}
inline void MovePointer(const QWidget *window, int x, int y, Qt::MouseButtons buttons = Qt::NoButton)
{
    auto *picture = Control<QFrame>(window, "Picture1");
    if (!picture)
        return;
    const QPointF at = QPointF(picture->contentsRect().topLeft() + QPoint(x, y));
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
}
