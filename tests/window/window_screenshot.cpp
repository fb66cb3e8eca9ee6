// Shows the window on the display it is given, types a text, presses Generate once and saves
// what the screen then shows of the window. The README's screenshot comes from it, under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x800x24" window_screenshot docs/window-after-a-run.png
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cstdio>

#include "application.h"
#include "main_window.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: window_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    scrivafresa::PrepareApplication(application);
    scrivafresa::WindowServices services = scrivafresa::DesktopServices();
    services.holdSplash = [](std::chrono::milliseconds) {};
    scrivafresa::TForm1 form(std::move(services));
    form.show();

    auto settle = [](int milliseconds) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
    };
    settle(500);
    form.TestoDaScrivere->setText(QStringLiteral("Scrivafresa 雕刻"));
    form.Generate->click();
    settle(500);

    const QPixmap shot =
        form.screen()->grabWindow(0, form.frameGeometry().x(), form.frameGeometry().y(),
                                  form.frameGeometry().width(), form.frameGeometry().height());
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "window_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
