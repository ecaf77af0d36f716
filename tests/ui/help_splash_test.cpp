// The splash at start-up, the help window and the introduction window.
#include "UiTestSupport.h"

#include "analysis/Calculation.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/SplashWindow.h"
#include "ui/dialogs/TextWindows.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include <memory>

using namespace spanwise;
using namespace spanwise::testing_support;

class HelpSplashTest : public QObject, public MainWindowHarness {
    Q_OBJECT

private:
    QAction* menuCommand(const char* name) {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
        if (a == nullptr) {
            QTest::qFail(name, __FILE__, __LINE__);
        }
        return a;
    }

    template <typename W> W* openWindow(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(name) && top->isVisible()) {
                return qobject_cast<W*>(top);
            }
        }
        return nullptr;
    }

private slots:
    void init() { open(); }

    void cleanup() { QVERIFY2(close(), "something expected did not happen"); }

    void theMainWindowRefusesInputUntilTheSplashIsClicked() {
        auto* splash = new SplashWindow(window.get());
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->size(), QSize(420, 304));
        auto* number = find<QLineEdit>(window.get(), "spanCountField");
        QVERIFY(!number->isEnabled() || !window->isEnabled());
        QTest::keyClicks(number, QStringLiteral("5"));
        QTest::keyClick(number, Qt::Key_Return);
        QCOMPARE(project().beam.spanCount(), 1);
        QPointer<SplashWindow> guard(splash);
        QTest::mouseClick(find<QLabel>(splash, "splashPicture"), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(window->isEnabled());
        enterSpanCount(5);
        QCOMPARE(project().beam.spanCount(), 5);
    }

    void aKeyDismissesTheSplashToo() {
        auto* splash = new SplashWindow(window.get());
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(!window->isEnabled());
        QPointer<SplashWindow> guard(splash);
        QTest::keyClick(splash, Qt::Key_Space);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(window->isEnabled());
    }

    void helpFromBothWindowsShowsTheSameText() {
        menuCommand("helpAction")->trigger();
        auto* help = openWindow<HelpWindow>("helpWindow");
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("帮助"));
        QCOMPARE(help->lines().size(), 14);
        QVERIFY(help->lines()[0].contains(QStringLiteral("弹性连续梁")));
        const QStringList fromMain = help->lines();
        help->close();
        QTRY_VERIFY(openWindow<HelpWindow>("helpWindow") == nullptr);

        Beam beam;
        beam.span(1).length = 6;
        ResultWindow output(*prompter);
        output.show();
        output.showCalculation(calculateBeam(beam), "");
        connect(&output, &ResultWindow::helpRequested, window.get(),
                [this] { menuCommand("helpAction")->trigger(); });
        output.findChild<QAction*>(QStringLiteral("helpAction"))->trigger();
        help = openWindow<HelpWindow>("helpWindow");
        QVERIFY(help != nullptr);
        QCOMPARE(help->lines(), fromMain);
        // a click does not close the help window
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(help->isVisible());
    }

    void introductionAndDeclarationShowTheSameWindowClosedByAClick() {
        menuCommand("introductionAction")->trigger();
        auto* intro = openWindow<IntroductionWindow>("introductionWindow");
        QVERIFY(intro != nullptr);
        QCOMPARE(intro->windowTitle(), QStringLiteral("程序介绍及声明"));
        const QStringList text = intro->lines();
        QVERIFY(text.join(QString()).contains(QStringLiteral("最多可算20跨")));
        QPointer<IntroductionWindow> guard(intro);
        QTest::mouseClick(intro, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        menuCommand("declarationAction")->trigger();
        intro = openWindow<IntroductionWindow>("introductionWindow");
        QVERIFY(intro != nullptr);
        QCOMPARE(intro->lines(), text);
    }

    void theMenusCarryTheirNamesAndTexts() {
        const std::pair<const char*, const char*> commands[] = {
            {"openAction", "旧工程(&Open)"},
            {"newAction", "新工程(&New)"},
            {"saveAction", "保存(&Save)"},
            {"saveAsAction", "保存为(S&ave as)"},
            {"exitAction", "退出(&Exit)"},
            {"undoAction", "撤销"},
            {"redoAction", "重做"},
            {"introductionAction", "产品介绍(&Introduction)"},
            {"declarationAction", "版权说明(&Declare)"},
            {"helpAction", "帮助(&Help)"}};
        for (const auto& [name, text] : commands) {
            QCOMPARE(menuCommand(name)->text(), QString::fromUtf8(text));
        }
        QStringList menus;
        for (const QAction* menu : window->menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, QStringList({"文件(&File)", "编辑(&Edit)", "信息(&News)"}));
    }
};

QTEST_MAIN(HelpSplashTest)
#include "help_splash_test.moc"
