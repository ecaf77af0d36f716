// Focus-loss handling for controls that act when the user leaves them.
#pragma once

#include <functional>

class QObject;
class QWidget;

namespace spanwise {

// Runs handler whenever widget loses the keyboard focus.
void onFocusLost(QWidget* widget, std::function<void()> handler);

// Removes every focus-loss handler below root. A window calls this first in its destructor:
// its controls lose the focus while they are taken down, after the window itself has gone.
void removeFocusLossHandlers(QObject* root);

} // namespace spanwise
