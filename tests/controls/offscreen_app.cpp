#include "offscreen_app.h"

#include <QApplication>

#include "fonts.h"

void EnsureOffscreenApp() {
    static int argc = 1;
    static char name[] = "controls_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        InstallFontSubstitutions();
        return created;
    }();
    (void)app;
}
