#include "window_app.h"

#include "app.h"
#include "fonts.h"

void EnsureWindowApp() {
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    static App* app = [] {
        auto* created = new App(argc, argv);
        InstallFontSubstitutions();
        return created;
    }();
    (void)app;
}
