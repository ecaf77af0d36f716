// Spanwise: internal forces of continuous beams.
#include "model/Version.h"
#include "ui/common/Prompter.h"
#include "ui/common/Translations.h"
#include "ui/dialogs/SplashWindow.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QFont>

#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    // answered before any window, so that it works without a screen
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "spanwise " << spanwise::kProgramVersion << '\n';
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spanwise"));
    QApplication::setApplicationVersion(QString::fromLatin1(spanwise::kProgramVersion));
    spanwise::installChineseTranslations(app);
    // The windows are laid out for a Song face; Noto CJK stands in on Linux.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    QApplication::setFont(font);

    spanwise::QtPrompter prompter;
    spanwise::MainWindow window(prompter);
    prompter.setParent(&window);
    window.show();
    // unsaved work is kept as it is typed; what a Spanwise that died left is offered first
    const QString recoveryFolder = spanwise::MainWindow::recoveryFolder();
    window.keepRecoveryCopies(recoveryFolder);
    const bool recovered = window.offerRecovery(recoveryFolder);
    // `spanwise FILE.BMD` (a double-click on a project) shows the project at once, without
    // the splash
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        if (!recovered) { // else the user chose the recovered work over the file
            window.openProjectFile(arguments.at(1));
        }
        return QApplication::exec();
    }
    // the main window takes no input until the splash is gone
    auto* splash = new spanwise::SplashWindow(&window);
    splash->show();
    splash->raise();
    splash->activateWindow();
    return QApplication::exec();
}
