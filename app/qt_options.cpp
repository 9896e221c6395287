#include "qt_options.h"

#include <array>
#include <string_view>

namespace {

// Options of QGuiApplication, QApplication and the X11 platform.
constexpr std::array<std::string_view, 16> kWithValue{"platform",
                                                      "platformpluginpath",
                                                      "platformtheme",
                                                      "plugin",
                                                      "qwindowgeometry",
                                                      "geometry",
                                                      "qwindowtitle",
                                                      "title",
                                                      "qwindowicon",
                                                      "icon",
                                                      "session",
                                                      "style",
                                                      "stylesheet",
                                                      "display",
                                                      "name",
                                                      "visual"};
constexpr std::array<std::string_view, 6> kWithoutValue{"reverse", "widgetcount", "testability",
                                                        "nograb",  "dograb",      "sync"};
constexpr std::array<std::string_view, 3> kJoinedValue{"style=", "stylesheet=", "qmljsdebugger="};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view candidate : names) {
        if (candidate == name) return true;
    }
    return false;
}

template <std::size_t N>
bool StartsWithAny(const std::array<std::string_view, N>& prefixes, std::string_view name) {
    for (std::string_view prefix : prefixes) {
        if (name.substr(0, prefix.size()) == prefix) return true;
    }
    return false;
}

// The option's name without its leading "-" or "--"; empty for a non-option.
std::string_view OptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

}  // namespace

std::size_t QtOptionLength(const std::vector<std::string>& arguments, std::size_t i) {
    const std::string_view name = OptionName(arguments[i]);
    if (name.empty()) return 0;
    if (Contains(kWithValue, name)) return i + 1 < arguments.size() ? 2 : 1;
    if (Contains(kWithoutValue, name) || StartsWithAny(kJoinedValue, name)) return 1;
    return 0;
}

bool IsQtPlatformOption(const std::string& argument) { return OptionName(argument) == "platform"; }
