#include "app.h"

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("mototyou"));
    setApplicationVersion(QString::fromLatin1(kLongVersion));
}
