// Focus and key handling for controls that act when the user leaves them.
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace spanwise {

// Runs handler whenever widget loses the keyboard focus.
void onFocusLost(QWidget* widget, std::function<void()> handler);

// Lets Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y of a field reach the window's Edit menu instead of the
// field's own text undo: the window's undo history holds every edit, the field's does not.
void leaveUndoKeysToWindow(QWidget* field);

// Removes every focus-loss handler below root. A window calls this first in its destructor:
// its controls lose the focus while they are taken down, after the window itself has gone.
void removeFocusLossHandlers(QObject* root);

} // namespace spanwise
