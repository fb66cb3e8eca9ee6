// Start-up: the splash alone on the screen for its wait, then the window, centred.
#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "desktop_stand_in.h"
#include "splash.h"

namespace scrivafresa::testing {
namespace {

std::vector<QWidget*> SplashWindows() {
    std::vector<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("FrmSplash")) found.push_back(window);
    return found;
}

TEST_F(WindowTest, SplashIsShownAloneAndCentredForItsWaitThenTheWindowComesUpCentred) {
    QPointer<QWidget> splash;
    bool formVisibleDuringWait = true;
    QPoint splashAt;
    QSize logo;
    desktop.whileSplashShows = [&] {
        const std::vector<QWidget*> windows = SplashWindows();
        ASSERT_EQ(windows.size(), 1u);
        splash = windows.front();
        EXPECT_TRUE(splash->isVisible());
        // On the screen before the wait begins.
        EXPECT_TRUE(splash->windowHandle() && splash->windowHandle()->isExposed());
        EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(splash->size(), QSize(602, 319));
        splashAt = splash->pos();
        logo = static_cast<TFrmSplash*>(splash.data())->Image1->pixmap().size();
        formVisibleDuringWait = form->isVisible();
    };
    ASSERT_TRUE(SplashWindows().empty());
    form->show();

    ASSERT_EQ(desktop.splashWaits.size(), 1u);
    EXPECT_EQ(desktop.splashWaits[0], std::chrono::milliseconds(5000));
    EXPECT_FALSE(formVisibleDuringWait);
    // On a 1280 x 1024 screen.
    EXPECT_EQ(splashAt, QPoint(339, 352));
    EXPECT_EQ(logo, QSize(603, 319));
    EXPECT_TRUE(splash.isNull());
    EXPECT_TRUE(SplashWindows().empty());

    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(240, 212));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

TEST_F(WindowTest, SplashComesBackOnlyWhenTheWindowWasHidden) {
    form->show();
    form->showMinimized();
    form->showNormal();
    EXPECT_EQ(desktop.splashWaits.size(), 1u);
    form->hide();
    form->show();
    EXPECT_EQ(desktop.splashWaits.size(), 2u);
    EXPECT_EQ(form->pos(), QPoint(240, 212));
}

TEST(CentredOrigin, CentresAndNeverGoesLeftOrAboveTheScreen) {
    struct Case {
        QRect screen;
        QSize window;
        QPoint origin;
    };
    for (const Case& c : {
             Case{{0, 0, 1280, 1024}, {602, 319}, {339, 352}},
             Case{{0, 0, 1280, 1024}, {800, 600}, {240, 212}},
             Case{{0, 0, 1281, 1025}, {800, 600}, {240, 212}},
             Case{{0, 0, 603, 320}, {602, 319}, {0, 0}},
             Case{{0, 0, 500, 300}, {602, 319}, {0, 0}},
             Case{{0, 0, 640, 200}, {602, 319}, {19, 0}},
             Case{{1920, 0, 1280, 1024}, {800, 600}, {2160, 212}},
         }) {
        EXPECT_EQ(CentredOrigin(c.screen, c.window), c.origin)
            << c.screen.width() << "x" << c.screen.height();
    }
}

TEST(Program, WithoutADisplaySaysSoAndEnds) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SCRIVAFRESA_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("no display"));
}

}  // namespace
}  // namespace scrivafresa::testing
