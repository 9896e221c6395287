#pragma once

#include <string>

class PageContext;

// Two ways of placing text character by character, each character drawn on
// its own so that the font's proportional widths do not move the others.

// Spreads `text` evenly over `span` from x: one character is centred in the
// span; with two or more the first starts at x and the last ends at x + span.
// Empty text draws nothing.
void wDrawString(PageContext& page, const std::string& text, double x, double y, double span);

// Right-aligns `text` on a fixed digit pitch d (half the width of "00",
// truncated): every byte of the text in the Mac Japanese code page takes one
// pitch and the text ends one pitch left of x, so columns of figures line up
// on their last digit whatever the font.
void rDrawString(PageContext& page, const std::string& text, double x, double y);
