#pragma once

// Creates the program's application object for a window test run, on first
// use, with the program's font substitutions installed.
void EnsureWindowApp();
