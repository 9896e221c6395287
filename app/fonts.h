#pragma once

// Maps the font names the program draws with onto installed fonts: the
// monospaced Japanese faces to IPAGothic (whose half-width glyphs are half an
// em, so character-unit column widths line up), the Mincho and brush faces to
// IPAMincho, Osaka to IPAPGothic and Helvetica to a sans face. Call once after
// the application object exists and before anything is drawn.
void InstallFontSubstitutions();
