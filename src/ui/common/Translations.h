// Qt's own texts (the buttons of a message box, the file dialog) in Simplified Chinese, like
// the rest of the program.
#pragma once

class QCoreApplication;

namespace spanwise {

// Loads Qt's Chinese translations from the system's Qt translations folder; returns false when
// they are not installed (the buttons then stay in English).
bool installChineseTranslations(QCoreApplication& application);

} // namespace spanwise
