#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Fixed-width texts, amount texts and folder creation used throughout the
// ledger. Widths count characters (UTF-8 code points); every amount text the
// program handles is ASCII, where characters and bytes coincide. None of these
// functions throws on any text or width.

// The value's plain decimal text left-padded with zeros to `width` characters,
// or cut from the left when longer: ZeroSup(4, 2) = "04", ZeroSup(-4, 3) = "0-4".
// The value's text is the default number-to-text conversion (DefaultNumberText)
// prefixed with 22 zeros; a width beyond that returns it whole, a width of 0 or
// less gives empty text.
std::string ZeroSup(double value, int width);

// `text` right-aligned in `width` characters, padded with spaces on the left;
// longer text loses its leading characters. The text is prefixed
// with 150 spaces and the rightmost `width` characters are kept, so a width
// beyond 150 + the text's length returns that padded text whole; a width of 0
// or less gives empty text.
std::string SpaceSup(const std::string& text, int width);

// `text` with every occurrence of `separator` removed (occurrences are found
// left to right without overlapping; an empty separator removes nothing).
std::string RemoveString(const std::string& text, const std::string& separator);

// The number that starts `text` once its "," are removed: leading spaces
// skipped, an optional "-", digits with an optional fraction; 0 when no number
// starts the text.
double ChangeSequence(const std::string& text);

// Makes sure the folder at `path` exists and returns its native path ending in
// "/". An existing folder is not an error. Returns nothing when the path cannot
// name a folder at all (empty path); a folder that cannot be created still
// yields its path, so later reads simply find no files.
// Only the last folder of the path is created (its parent must exist). Runs of
// "/" in the path are collapsed to one, so "a//b" and "a/b" name the same place.
std::optional<std::string> MakeFolder(const std::string& path);

// Number texts of the patterns "-,#", "-,#.0" and "-,#.00": digits grouped in
// threes by ",", a leading "-" for negatives, rounded half away from zero.
// FormatAmount gives empty text for zero.
// The value is rounded from its exact binary value (1.005 is 1.00499999...
// and gives "1.00"). As the pattern's "#" writes no digit for a zero integer
// part, values below 1 in magnitude have no leading 0: 0.5 gives ".5" with
// "-,#.0" and 0 gives ".0"; a value that rounds to zero has no "-". Infinities
// and NaN give empty text.
std::string FormatAmount(double value);             // "-,#"
std::string FormatAmountOneDecimal(double value);   // "-,#.0"
std::string FormatAmountTwoDecimals(double value);  // "-,#.00"

// --- Helpers added for the readers and their callers ---

// The number that starts `text` (the platform's parse, without removing ","):
// leading spaces and tabs skipped, an optional "-" (no "+"), then digits with
// an optional "." and fraction digits (".5" reads 0.5; no exponent). The parse
// stops at the first character that cannot continue the number and yields 0
// when no digit starts it: "12abc" is 12, "1,000" is 1, "- 5" and "abc" are 0.
// A number too large for a double reads as an infinity.
double ParseLeadingNumber(const std::string& text);

// The default number-to-text conversion: whole numbers below 1e15 in magnitude
// as plain digits ("4", "-12"), others as the shortest text that reads back as
// the same double ("1.5", "1e+20"); negative zero gives "0".
std::string DefaultNumberText(double value);

// `text` without white space at either end. White space is the ASCII white
// space characters (space, tab, LF, VT, FF, CR) and the ideographic space
// U+3000 (the Mac Japanese full-width space 0x8140). The no-break space U+00A0
// (Mac Japanese 0xA0) is kept: it is a deliberate character, not padding.
std::string Trim(const std::string& text);

// Character views of UTF-8 text (characters are code points; a byte that is not
// a UTF-8 continuation byte starts a character).
std::size_t CharacterCount(const std::string& text);
// The last `count` characters, or the whole text when it is shorter.
std::string RightCharacters(const std::string& text, std::size_t count);
// `count` characters from character `first` (counted from 1), cut at the end.
std::string MidCharacters(const std::string& text, std::size_t first, std::size_t count);
