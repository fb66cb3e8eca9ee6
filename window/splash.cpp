#include "splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>

namespace scrivafresa {

QPoint CentredOrigin(const QRect& screen, QSize size) {
    const int left = std::max(0, (screen.width() - size.width()) / 2);
    const int top = std::max(0, (screen.height() - size.height()) / 2);
    return screen.topLeft() + QPoint(left, top);
}

TFrmSplash::TFrmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this)) {
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowTitle(QStringLiteral("FrmSplash"));
    setFixedSize(kSize);
    // The logo is one column wider than the window; it is shown unscaled from its top-left
    // corner, so that column is cut off.
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kSize.width(), kSize.height());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/scrivafresa/splash-logo.png")));
}

void TFrmSplash::ShowCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) move(scrivafresa::CentredOrigin(screen->geometry(), kSize));
    show();
    raise();
    // The window system maps the window a moment after show(); the logo can only reach the
    // screen once it is exposed. Only window-system events are handled while waiting.
    QElapsedTimer waited;
    waited.start();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(2);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace scrivafresa
