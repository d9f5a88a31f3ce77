// Every window is a single instance: created on first reference, shown
// non-modally, destroyed when unloaded, and created afresh at its design state
// when referred to again. This registry is the one place that knows them.
#pragma once

#include "platform/desktop.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace app {

class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;

    static WindowRegistry &instance();

    // Registration, by the form name (the class name of the window). Typed
    // access registers the type by itself; a window that others reach only by
    // name (to keep libraries apart) is registered at start.
    void add(const QString &name, Factory factory);
    template <class T> void add()
    {
        add(nameOf<T>(), [] { return new T; });
    }
    bool isRegistered(const QString &name) const { return m_factories.contains(name); }

    // The window, created (loaded, not shown) if it is not loaded; nullptr for
    // a name nobody registered.
    QWidget *window(const QString &name);
    template <class T> T *window()
    {
        if (!isRegistered(nameOf<T>()))
            add<T>();
        return static_cast<T *>(window(nameOf<T>()));
    }

    // The window if it is loaded, else nullptr; never creates one.
    QWidget *loaded(const QString &name) const;
    template <class T> T *loaded() const { return static_cast<T *>(loaded(nameOf<T>())); }

    // Show non-modally (creating if needed) and bring to the front.
    QWidget *show(const QString &name);
    template <class T> T *show()
    {
        window<T>();
        return static_cast<T *>(show(nameOf<T>()));
    }

    // Unload: the window disappears now and is destroyed once control returns
    // to the event loop, so a window may unload itself from its own handler.
    // Emits lastVisibleWindowGone when it was the last window on screen.
    void unload(const QString &name);
    template <class T> void unload() { unload(nameOf<T>()); }

    // The exit path of the diagram windows: unload every loaded window in this
    // order. Emits allUnloaded afterwards.
    void unloadAll();
    static const QStringList &exitOrder();

    QStringList loadedNames() const;

    // Dialogs and the shell go through this desktop; tests install a scripted one.
    platform::Desktop &desktop();
    void setDesktop(platform::Desktop *desktop);

signals:
    void allUnloaded();
    // A window the user could see was unloaded by one of its own controls and
    // no loaded window is visible any more: only hidden ones are left, and
    // nothing on screen could bring them back.
    void lastVisibleWindowGone();

public:
    template <class T> static QString nameOf() { return QString::fromLatin1(T::staticMetaObject.className()); }

private:
    bool anyVisible() const;
    void forget(const QString &name, QWidget *window);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    platform::Desktop *m_desktop = nullptr;
};

// Shorthands for the windows.
inline WindowRegistry &Windows()
{
    return WindowRegistry::instance();
}
inline platform::Desktop &Desktop()
{
    return WindowRegistry::instance().desktop();
}

// Message box through the registry's desktop.
platform::Answer MsgBox(QWidget *owner, const QString &text, platform::Buttons buttons = platform::Buttons::Ok,
    platform::Icon icon = platform::Icon::None, const QString &title = platform::kAppTitle);

// "Help" everywhere: the shell opens vlt.chm in the program's folder.
void OpenHelp(QWidget *owner);
inline constexpr const char *kHelpFile = "vlt.chm";

} // namespace app
