#pragma once

#include <optional>
#include <string>

// Fixed-width texts, amount texts and folder creation used throughout the
// ledger. Widths count characters (UTF-8 code points); every amount text the
// program handles is ASCII, where characters and bytes coincide.

// The value's plain decimal text left-padded with zeros to `width` characters,
// or cut from the left when longer: ZeroSup(4, 2) = "04", ZeroSup(-4, 3) = "0-4".
std::string ZeroSup(double value, int width);

// `text` right-aligned in `width` characters, padded with spaces on the left;
// longer text loses its leading characters.
std::string SpaceSup(const std::string& text, int width);

// `text` with every occurrence of `separator` removed.
std::string RemoveString(const std::string& text, const std::string& separator);

// The number that starts `text` once its "," are removed: leading spaces
// skipped, an optional "-", digits with an optional fraction; 0 when no number
// starts the text.
double ChangeSequence(const std::string& text);

// Makes sure the folder at `path` exists and returns its native path ending in
// "/". An existing folder is not an error. Returns nothing when the path cannot
// name a folder at all (empty path); a folder that cannot be created still
// yields its path, so later reads simply find no files.
std::optional<std::string> MakeFolder(const std::string& path);

// Number texts of the patterns "-,#", "-,#.0" and "-,#.00": digits grouped in
// threes by ",", a leading "-" for negatives, rounded half away from zero.
// FormatAmount gives empty text for zero.
std::string FormatAmount(double value);          // "-,#"
std::string FormatAmountOneDecimal(double value);  // "-,#.0"
std::string FormatAmountTwoDecimals(double value); // "-,#.00"
