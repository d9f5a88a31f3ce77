#include "windows/window_registry.h"

#include "platform/accessibility.h"

namespace windows {

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::add(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

QWidget *WindowRegistry::window(const QString &name)
{
    if (QWidget *w = loaded(name))
        return w;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.constEnd()) {
        qWarning("No window is registered as %s", qPrintable(name));
        return nullptr;
    }
    QWidget *w = (*factory)();
    w->setObjectName(name);
    platform::NameControlsForAccessibility(w);
    m_windows.insert(name, w);
    // A window closed by its title-bar control is unloaded like any other.
    w->setAttribute(Qt::WA_DeleteOnClose);
    connect(w, &QObject::destroyed, this, [this, name, w] { forget(name, w); });
    return w;
}

QWidget *WindowRegistry::loaded(const QString &name) const
{
    const auto it = m_windows.constFind(name);
    return it == m_windows.constEnd() ? nullptr : it->data();
}

QWidget *WindowRegistry::show(const QString &name)
{
    QWidget *w = window(name);
    if (!w)
        return nullptr;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void WindowRegistry::unload(const QString &name)
{
    QWidget *w = loaded(name);
    if (!w)
        return;
    const bool wasVisible = w->isVisible();
    m_windows.remove(name);
    w->hide();
    w->deleteLater();
    if (m_windows.isEmpty())
        emit allUnloaded();
    else if (wasVisible && !anyVisible())
        emit lastVisibleWindowGone();
}

void WindowRegistry::unload(QWidget *window)
{
    for (auto it = m_windows.constBegin(); it != m_windows.constEnd(); ++it) {
        if (it.value() == window) {
            unload(it.key());
            return;
        }
    }
    if (window)
        window->close();
}

bool WindowRegistry::anyVisible() const
{
    for (const QPointer<QWidget> &w : m_windows)
        if (w && w->isVisible())
            return true;
    return false;
}

void WindowRegistry::unloadAll()
{
    {
        // One allUnloaded at the end, not one per window.
        const QSignalBlocker quiet(this);
        // Windows that were never loaded are skipped: creating them only to
        // unload them would run their loading (the catalogue, say) for nothing.
        for (const QString &name : m_exitOrder)
            unload(name);
        const QStringList rest = loadedNames();
        for (const QString &name : rest)
            unload(name);
    }
    emit allUnloaded();
}

QStringList WindowRegistry::registeredNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

QStringList WindowRegistry::loadedNames() const
{
    QStringList names;
    for (auto it = m_windows.constBegin(); it != m_windows.constEnd(); ++it)
        if (it.value())
            names << it.key();
    names.sort();
    return names;
}

void WindowRegistry::forget(const QString &name, QWidget *window)
{
    const auto it = m_windows.find(name);
    if (it != m_windows.end() && (it->isNull() || it->data() == window)) {
        m_windows.erase(it);
        if (m_windows.isEmpty())
            emit allUnloaded();
    }
}

} // namespace windows
