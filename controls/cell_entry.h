#pragma once

#include <QString>
#include <optional>
#include <string>

// The rules of the grid's in-cell editor that depend on a column's format code
// ("l" or empty = text, "r0", "r1", "r2" = amount with 0, 1 or 2 decimals).

// How many characters may be typed into a column of stored width
// `columnWidth` (the given width plus 1); nothing for an unknown code, which
// leaves the editor's limit as it was.
std::optional<int> TypingLimitFor(const QString& formatCode, int columnWidth);

// The editor's maximum length that enforces `typingLimit` on typing only: a
// longer text the program has put there stays whole and may only shrink.
// A limit of 0 or less means no limit.
int EditorMaxLength(int typingLimit, qsizetype textLength);

// The cell text that committing `typed` writes into a column of stored width
// `columnWidth`: text columns keep it as typed; amount columns store its
// number formatted "-,#", "-,#.0" or "-,#.00" and right-aligned in
// `columnWidth` - 1 characters; a zero amount or an unknown code stores "".
std::string CommittedCellText(const QString& formatCode, const std::string& typed, int columnWidth);
