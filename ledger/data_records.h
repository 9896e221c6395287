#pragma once

#include <optional>
#include <string>

#include "record_stream.h"

// The three record kinds of the companion program's data files. Every text is
// decoded and trimmed unless noted ("trimmed" as Trim in text_helpers.h: ASCII
// white space and the ideographic space U+3000 at both ends).

// One entry of the account list 設定/勘定科目.
struct AccountRecord {
    std::string name;
    std::string classCode;  // decimal digits; the account class is this plus 1
    std::string third;

    bool operator==(const AccountRecord&) const = default;
};

// One entry of a carry-forward file 繰越YYYY:MM.
struct CarryForwardRecord {
    std::string name;
    std::string debit;   // plain decimal number text
    std::string credit;  // plain decimal number text

    bool operator==(const CarryForwardRecord&) const = default;
};

// One line of a slip file 振伝YYYY:MM.
struct SlipLine {
    std::string date;  // its last five characters are MM/DD
    std::string debitAmount;
    std::string debitAccount;
    std::string description;
    std::string supplement;
    std::string creditAccount;
    std::string creditAmount;
    std::string departmentCode;

    bool operator==(const SlipLine&) const = default;
};

// Byte sizes of the fixed gaps of the formats.
inline constexpr std::size_t kAccountGap = 27;
inline constexpr std::size_t kCarryForwardRemainder = 67;
inline constexpr std::size_t kSlipGap = 5;
inline constexpr std::size_t kSlipLongTail = 34;
inline constexpr std::size_t kSlipShortTail = 2;

// Each reader reads one whole record at the stream's position. It returns
// nothing when the file ends inside the record; the stream is then failed().
//
// A carry-forward record always spans its name and the 67-byte remainder, as
// for a reader that skips the remainder of another account. The two amounts
// are read inside the remainder: an amount field that would run past it (the
// format forbids that) reads as empty text.
//
// A slip line's tail is 34 bytes when its department code, decoded and not yet
// trimmed, is exactly 2 characters (code points) long, otherwise 2 bytes.
std::optional<AccountRecord> ReadAccountRecord(RecordStream& stream);
std::optional<CarryForwardRecord> ReadCarryForwardRecord(RecordStream& stream);
std::optional<SlipLine> ReadSlipLine(RecordStream& stream);
