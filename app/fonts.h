#pragma once

// Maps the font names the program draws with onto installed fonts: the
// monospaced Japanese faces to IPAGothic (whose half-width glyphs are half an
// em, so character-unit column widths line up), Osaka to IPAPGothic and
// Helvetica to a sans face. The printed pages' Mincho goes to BIZ UDMincho,
// whose even strokes print cleanly at 10 points, and their brush-written
// company name to Aoyagi Kouzan; each falls back to the next face of its list
// when that is not installed, the last being IPAMincho. Call once after the
// application object exists and before anything is drawn.
void InstallFontSubstitutions();
