#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Qt's own command-line options, which QApplication takes out of the
// arguments itself (-platform offscreen, -style fusion, -geometry 800x600,
// -reverse, ...; a second leading "-" is accepted as Qt accepts it).

// How many arguments from arguments[i] on make up one of Qt's options: 1 or 2
// (the option and its value), or 0 when arguments[i] is not one of them.
std::size_t QtOptionLength(const std::vector<std::string>& arguments, std::size_t i);

// True for Qt's -platform option, which chooses the display itself
// ("-platform offscreen" needs none).
bool IsQtPlatformOption(const std::string& argument);
