#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app.h"
#include "base_folder.h"
#include "check_command.h"
#include "command_line.h"
#include "csv_command.h"
#include "fonts.h"
#include "grobal.h"
#include "headless_commands.h"
#include "mototyou.h"
#include "pdf_command.h"
#include "visible_text.h"

namespace {

bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedCommandLine parsed =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "mototyou: " << VisibleText(parsed.error) << '\n';
        return 2;
    }
    Grobal::gBasicPath = BasicPathFor(parsed.options.base);
    if (parsed.options.pdf) {
        // The pages are drawn off screen: no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        KeepQtNotesOffStderr();
        App app(argc, argv);
        InstallFontSubstitutions();
        return RunPdfCommand(parsed.options, Grobal::gBasicPath, std::cerr);
    }
    if (parsed.options.csv) return RunCsvCommand(parsed.options, Grobal::gBasicPath, std::cerr);
    if (parsed.options.check) return RunCheckCommand(parsed.options, Grobal::gBasicPath, std::cout);
    if (IsHeadless(parsed.options)) {
        return RunHeadless(parsed.options, Grobal::gBasicPath, std::cout, std::cerr);
    }

    if (!HasDisplay() && !parsed.options.platformChosen) {
        std::cerr << "mototyou: no display to open the window on; start it under an X server,"
                     " for example: xvfb-run -a mototyou --base DIR\n";
        return 1;
    }
    App app(argc, argv);
    InstallFontSubstitutions();
    Mototyou window;
    window.Event_Open();
    return app.exec();
}
