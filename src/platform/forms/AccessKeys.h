#pragma once

class QKeySequence;
class QShortcutEvent;
class QWidget;

namespace tarvello::forms {

class CommandButton;

// Access keys that a command button shares with a menu title of its window ("&Hold" and "&Help"). Qt
// takes such a key as ambiguous and only moves the focus between the two, a press at a time. Here the
// key does one thing each time: it presses the button while the button is shown and takes input (the
// player has just seen its underlined letter), and opens the menu otherwise. Two buttons of one window
// that share a key are left to Qt, which moves the focus between them.

// The one command button of `window` that is shown, takes input and has `key` as its access key; null
// when there is none, or more than one.
CommandButton *offeredButtonFor(const QWidget &window, const QKeySequence &key);

// For the window's menu bar: an ambiguous access key that a button offered on the window shares
// presses that button; true when it did (the menu bar then takes no part).
bool pressButtonForMenuKey(const QWidget &window, const QShortcutEvent &event);

} // namespace tarvello::forms
