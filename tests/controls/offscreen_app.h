#pragma once

// Creates the one QApplication of a widget test run, on first use, with the
// program's font substitutions installed.
void EnsureOffscreenApp();
