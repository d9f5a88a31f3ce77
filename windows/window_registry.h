// Every window is a single instance: created on first reference, shown
// non-modally, destroyed when unloaded, and created afresh at its design state
// when referred to again. This registry is the one place that holds them. It
// knows no window by itself: each is registered under its designer name, and
// the program hands it the order in which the exit path unloads them.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace windows {

class WindowRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;

    static WindowRegistry &instance();

    // Registration by designer name. A window class names itself with
    // `static constexpr const char *kDesignerName`. Only a registered window
    // is ever created: the program's composition registers them all, wired
    // to each other, before the first is shown.
    void add(const QString &name, Factory factory);
    template <class T> void add()
    {
        add(nameOf<T>(), [] { return new T; });
    }
    bool isRegistered(const QString &name) const { return m_factories.contains(name); }
    // Every registered designer name, sorted.
    QStringList registeredNames() const;

    // The window, created (loaded, not shown) if it is not loaded; nullptr,
    // and a warning, for a name nobody registered. Its objectName is its
    // designer name. The typed forms give nullptr, too, for a window of
    // another class under that name.
    QWidget *window(const QString &name);
    template <class T> T *window() { return qobject_cast<T *>(window(nameOf<T>())); }

    // The window if it is loaded, else nullptr; never creates one.
    QWidget *loaded(const QString &name) const;
    template <class T> T *loaded() const { return qobject_cast<T *>(loaded(nameOf<T>())); }

    // Show non-modally (creating if needed) and bring to the front.
    QWidget *show(const QString &name);
    template <class T> T *show() { return qobject_cast<T *>(show(nameOf<T>())); }

    // Unload: the window disappears now and is destroyed once control returns
    // to the event loop, so a window may unload itself from its own handler.
    // Emits lastVisibleWindowGone when it was the last window on screen.
    void unload(const QString &name);
    template <class T> void unload() { unload(nameOf<T>()); }
    // A window leaving by its own control ("OK", "&EXIT", "Clo&se"): unloaded
    // if it is the loaded one, else (a window nobody loaded) just closed.
    void unload(QWidget *window);

    // The exit path: unload every loaded window, those named here first and
    // in this order, then any other by name. Emits allUnloaded afterwards.
    void setExitOrder(const QStringList &names) { m_exitOrder = names; }
    void unloadAll();

    QStringList loadedNames() const;

    template <class T> static QString nameOf() { return QString::fromLatin1(T::kDesignerName); }

signals:
    void allUnloaded();
    // A window the user could see was unloaded by one of its own controls and
    // no loaded window is visible any more: only hidden ones are left, and
    // nothing on screen could bring them back.
    void lastVisibleWindowGone();

private:
    bool anyVisible() const;
    void forget(const QString &name, QWidget *window);

    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    QStringList m_exitOrder;
};

inline WindowRegistry &Registry()
{
    return WindowRegistry::instance();
}

} // namespace windows
