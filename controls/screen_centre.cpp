#include "screen_centre.h"

#include <QGuiApplication>
#include <QScreen>

QSize MainScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

namespace {

int Centred(int screen, int window) { return static_cast<int>(screen / 2.0 - window / 2.0); }

}  // namespace

QPoint CentredOrigin(QSize screen, QSize window) {
    return {Centred(screen.width(), window.width()), Centred(screen.height(), window.height())};
}
