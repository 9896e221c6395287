#pragma once

#include <string>
#include <string_view>

// The three data files of one month in one fuzz input: two bytes (low byte
// first) giving the account list's length, two giving the carry-forward
// file's, then the account list, the carry-forward file and the slip file.
// Lengths that run past the input are cut to what is there.
struct LedgerBundle {
    std::string_view accountList;
    std::string_view carryForwards;
    std::string_view slips;
};

LedgerBundle SplitLedgerBundle(std::string_view input);
std::string JoinLedgerBundle(const std::string& accountList, const std::string& carryForwards,
                             const std::string& slips);
