#pragma once

#include <array>
#include <string>

#include "cell_table.h"

// The program's global state, shared by the ledger window, the ledger loading
// functions and the print job. Index 0 of every table exists and stays unused.
namespace Grobal {

inline constexpr int kRecordLastRow = 2000;
inline constexpr int kRecordLastColumn = 8;
inline constexpr int kAccountSlots = 135;

// Folder that holds the program and its data folders, ending in "/".
extern std::string gBasicPath;
// "総勘定元帳 " followed by the long version.
extern std::string gVersionString;
// The saved page setup as printer-settings text.
extern std::string gPrintSettings;
// The company's name; kept for the record, nothing reads it.
extern std::string gCompanyType;
// The month's postings of one account in file order, rows 1.. x columns 1..8.
extern CellTable gFileReadRecord;
// Account-name and amount tables of 135 slots, reset by ClearTransfer only.
extern std::array<std::string, kAccountSlots + 1> gKamoku;
extern std::array<std::array<double, 3>, kAccountSlots + 1> gKingaku;

}  // namespace Grobal
