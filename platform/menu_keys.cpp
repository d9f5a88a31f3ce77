#include "platform/menu_keys.h"

#include "platform/accessibility.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace platform {
namespace {

// The menus carry no access keys of their own for their items.
class MenuLetters : public QObject {
public:
    explicit MenuLetters(QMenu *menu)
        : QObject(menu)
        , m_menu(menu)
    {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_menu || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier))
            return false;
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isLetterOrNumber())
            return false;
        QList<QAction *> matches;
        for (QAction *action : m_menu->actions())
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()
                && SpokenCaption(action->text()).startsWith(text, Qt::CaseInsensitive))
                matches << action;
        if (matches.isEmpty())
            return false;
        if (matches.size() == 1) {
            m_menu->setActiveAction(matches.front());
            QKeyEvent choose(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(m_menu, &choose);
            return true;
        }
        const qsizetype current = matches.indexOf(m_menu->activeAction());
        m_menu->setActiveAction(matches[(current + 1) % matches.size()]);
        return true;
    }

private:
    QMenu *m_menu;
};

} // namespace

void OpenFirstMenuOnF10(QMainWindow *window)
{
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(menuKey, &QShortcut::activated, window, [window] {
        const QList<QAction *> menus = window->menuBar()->actions();
        if (!menus.isEmpty())
            window->menuBar()->setActiveAction(menus.front());
    });
}

void AddMenuLetters(QMainWindow *window, QMenu *menu)
{
    new MenuLetters(menu);
    const QString spoken = SpokenCaption(menu->title());
    if (!spoken.isEmpty() && QKeySequence::mnemonic(menu->title()).isEmpty()) {
        auto *opener = new QShortcut(QKeySequence(QStringLiteral("Alt+") + spoken.left(1).toUpper()), window);
        QObject::connect(opener, &QShortcut::activated, menu,
            [window, menu] { window->menuBar()->setActiveAction(menu->menuAction()); });
    }
}

} // namespace platform
