// The splash at start-up, the help window and the introduction window.
#include "UiTestSupport.h"

#include "analysis/Calculation.h"
#include "ui/dialogs/ResultWindow.h"
#include "ui/dialogs/SplashWindow.h"
#include "ui/dialogs/TextWindows.h"
#include "ui/main/MainWindow.h"

#include <QAction>
#include <QLabel>
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

    void cleanup() { close(); }

    void theMainWindowRefusesInputUntilTheSplashIsClicked() {
        auto* splash = new SplashWindow(window.get());
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(splash->size(), QSize(420, 304));
        auto* number = find<QLineEdit>(window.get(), "number");
        QVERIFY(!number->isEnabled() || !window->isEnabled());
        QTest::keyClicks(number, QStringLiteral("5"));
        QCOMPARE(window->model().SpanCount, 1);
        QPointer<SplashWindow> guard(splash);
        QTest::mouseClick(find<QLabel>(splash, "Picture1"), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(window->isEnabled());
        retype(number, QStringLiteral("5"));
        QCOMPARE(window->model().SpanCount, 5);
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
        menuCommand("Help")->trigger();
        auto* help = openWindow<HelpWindow>("Helpform");
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("帮助"));
        QCOMPARE(help->lines().size(), 14);
        QVERIFY(help->lines()[0].contains(QStringLiteral("弹性连续梁")));
        const QStringList fromMain = help->lines();
        help->close();
        QTRY_VERIFY(openWindow<HelpWindow>("Helpform") == nullptr);

        BeamModel m;
        m.SpanLength[1] = 6;
        BeamResults r;
        calculate(m, r);
        ResultWindow output(m, r, *prompter);
        output.show();
        connect(&output, &ResultWindow::helpRequested, window.get(),
                [this] { menuCommand("Help")->trigger(); });
        output.findChild<QAction*>(QStringLiteral("OUTHELP"))->trigger();
        help = openWindow<HelpWindow>("Helpform");
        QVERIFY(help != nullptr);
        QCOMPARE(help->lines(), fromMain);
        // a click does not close the help window
        QTest::mouseClick(help, Qt::LeftButton);
        QVERIFY(help->isVisible());
    }

    void introductionAndDeclarationShowTheSameWindowClosedByAClick() {
        menuCommand("Introdoction")->trigger();
        auto* intro = openWindow<IntroductionWindow>("Production");
        QVERIFY(intro != nullptr);
        QCOMPARE(intro->windowTitle(), QStringLiteral("程序介绍及声明"));
        const QStringList text = intro->lines();
        QVERIFY(text.join(QString()).contains(QStringLiteral("最多可算20跨")));
        QPointer<IntroductionWindow> guard(intro);
        QTest::mouseClick(intro, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        menuCommand("Declare")->trigger();
        intro = openWindow<IntroductionWindow>("Production");
        QVERIFY(intro != nullptr);
        QCOMPARE(intro->lines(), text);
    }

    void theMenusCarryTheirNamesAndTexts() {
        const std::pair<const char*, const char*> commands[] = {
            {"Open", "旧工程(&Open)"},         {"New", "新工程(&New)"},
            {"Save", "保存(&Save)"},           {"Saveas", "保存为(S&ave as)"},
            {"Exit", "退出(&Exit)"},           {"Introdoction", "产品介绍(&Introduction)"},
            {"Declare", "版权说明(&Declare)"}, {"Help", "帮助(&Help)"}};
        for (const auto& [name, text] : commands) {
            QCOMPARE(menuCommand(name)->text(), QString::fromUtf8(text));
        }
    }
};

QTEST_MAIN(HelpSplashTest)
#include "help_splash_test.moc"
