#pragma once

// Columns of a ledger row, alike in the ledger grid and in the ledger row
// table: row 1 of the grid is the carry-forward row, the postings follow.
inline constexpr int kDateColumn = 1;
inline constexpr int kCounterAccountColumn = 2;
inline constexpr int kDepartmentColumn = 3;
// A row is in use while its description is not empty.
inline constexpr int kDescriptionColumn = 4;
inline constexpr int kSupplementColumn = 5;
inline constexpr int kDebitColumn = 6;
inline constexpr int kCreditColumn = 7;
inline constexpr int kBalanceColumn = 8;
inline constexpr int kLastLedgerColumn = 8;

inline constexpr int kCarryForwardRow = 1;
