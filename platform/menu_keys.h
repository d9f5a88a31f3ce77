// The keyboard in a window's menus, as on the platform: F10 opens the first
// menu, Alt and a menu's first letter open that menu, and within a menu a
// letter chooses the item whose caption starts with it.
#pragma once

class QMainWindow;
class QMenu;

namespace platform {

// F10 opens the first menu of the window's menu bar.
void OpenFirstMenuOnF10(QMainWindow *window);

// Alt and the caption's first letter open `menu` of the window's menu bar,
// unless the caption marks a letter of its own with "&" (a translation where
// two menus start alike, "&Archivo" and "Ay&uda"): the menu bar opens that
// one itself. Within the menu a letter picks the item whose caption starts
// with it: the only such item is chosen at once, between several the
// selection moves to the next one.
void AddMenuLetters(QMainWindow *window, QMenu *menu);

} // namespace platform
