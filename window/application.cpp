#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "main_window.h"
#include "window_services.h"

static void LoadPictures() {
    Q_INIT_RESOURCE(scrivafresa);
}

namespace scrivafresa {
namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// Without a display Qt would abort with a message about plug-ins; say what is missing instead.
bool DisplayReachable() {
    return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
}

}  // namespace

void PrepareApplication(QApplication& application) {
    LoadPictures();
    application.setApplicationName(QStringLiteral("Scrivafresa"));
    application.setDesktopFileName(QStringLiteral("scrivafresa"));
    application.setWindowIcon(QIcon(QStringLiteral(":/scrivafresa/scrivafresa.png")));
}

int RunApplication(int argc, char** argv) {
    if (!DisplayReachable()) {
        std::fputs(
            "scrivafresa: no display to open the window on (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set).\nStart it from a desktop session, or under a "
            "virtual X server: xvfb-run scrivafresa\n",
            stderr);
        return 1;
    }
    // A save beyond the file size limit must fail like a full disk, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);

    QApplication application(argc, argv);
    PrepareApplication(application);
    try {
        TForm1 form;
        form.show();
        application.exec();
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, QStringLiteral("Scrivafresa"),
                              ErrorBoxText(QString::fromLocal8Bit(failure.what())));
    }
    return 0;
}

}  // namespace scrivafresa
