#pragma once

#include <string>
#include <vector>

// What the month check found: something in the month's files that makes a
// ledger incomplete or contradicts another file.
struct Finding {
    std::string kind;    // what was found, one of the kinds below
    std::string where;   // the file and the record or line
    std::string detail;  // names and amounts that show it
    bool operator==(const Finding&) const = default;
};

// Kinds of findings.
inline constexpr const char* kUnbalancedSlip = "unbalanced-slip";
inline constexpr const char* kDateOutsideMonth = "date-outside-month";
inline constexpr const char* kDayOutOfRange = "day-out-of-range";
inline constexpr const char* kUnknownAccount = "unknown-account";
inline constexpr const char* kBeyondButtons = "beyond-buttons";
inline constexpr const char* kDuplicateAccount = "duplicate-account";
inline constexpr const char* kCarryForwardMismatch = "carry-forward-mismatch";

// Checks the books under `basicPath` for the month of `monthText`
// ("YYYY年MM月現在"), in this order:
// - the account list: records the 134 account buttons cannot show, and
//   names listed more than once (placeholders "***" aside);
// - the slip file: lines whose date is not in the month or whose day is not
//   1 to 31, a slip still unbalanced when the file ends, and accounts named
//   on a line but absent from the account list (one finding per name);
// - the carry-forward file: accounts absent from the account list, and,
//   for every month but April, accounts whose carry-forwards differ from
//   the cumulative totals (累計) the previous month's ledger shows. That
//   comparison is skipped when the previous month has no files at all.
// Reads only; an empty list means the month is consistent.
std::vector<Finding> CheckMonth(const std::string& basicPath, const std::string& monthText);
