#pragma once

#include <string>

// `text` (UTF-8) with every control character replaced by U+FFFD: C0 (U+0000
// to U+001F, TAB and line feed included), DEL (U+007F) and C1 (U+0080 to
// U+009F). Printed fields then can neither drive a terminal nor break the
// one-line-per-row, TAB-between-fields layout of the printed outputs.
std::string VisibleText(const std::string& text);
