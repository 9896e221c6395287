#pragma once

#include <array>
#include <string>

#include "cell_table.h"
#include "grobal.h"

// Labels of the carry-forward row: April opens the fiscal year.
inline constexpr const char* kPeriodCarryForwardLabel = "前　期　繰　越";
inline constexpr const char* kMonthCarryForwardLabel = "前　月　繰　越";

// Writes row 1 of `cells`, the carry-forward row of `accountName` for the month
// of `monthText` ("YYYY年MM月現在"): the first record of that name in the month's
// carry-forward file (the whole company's for department 0, else the
// department's) gives the debit and credit carry-forwards in columns 6 and 7 and
// the balance in column 8 (credit-side classes: |debit - credit|, others: debit
// - credit), each as "-,#" right-aligned in 13 characters (the overflow mark
// for an amount whole yen cannot hold, amount_text.h). Column 4 always gets
// the label, "前　期　繰　越" for April and "前　月　繰　越" otherwise; without a
// file or a record columns 6 to 8 stay as they were. Creates the data and year
// folders when missing; reads no other row.
void ReadTransfer(CellTable& cells, const std::string& basicPath, const std::string& monthText,
                  const std::string& accountName, int accountClass, int departmentIndex);

// Empties account slots 1..135 of the account tables: names to empty text,
// both amounts to 0. Slot 0 and amount column 0 are left as they are.
void ClearTransfer(std::array<std::string, Grobal::kAccountSlots + 1>& kamoku,
                   std::array<std::array<double, 3>, Grobal::kAccountSlots + 1>& kingaku);
