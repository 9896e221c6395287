#pragma once

#include <string>
#include <vector>

#include "data_records.h"

// Class codes of the demo chart as written to the account list (the account
// class is the code plus 1): 0 assets, 1 liabilities, 2 net assets, 3 cost of
// sales and operating expenses, 4 sales, 5 non-operating expenses,
// 6 non-operating revenue. Codes 1, 2, 4 and 6 are the credit-side classes.
enum DemoClass {
    kAssets,
    kLiabilities,
    kNetAssets,
    kExpenses,
    kSales,
    kOtherExpenses,
    kOtherRevenue
};

struct DemoAccount {
    std::string name;
    DemoClass classCode;
    std::string number;  // the account number, written as the record's third text
    long long opening;   // first fiscal year's opening balance on the account's own side
};

inline const std::string kPlaceholderAccount = "***";

// About 60 accounts of a small trading company in list order, with one
// placeholder "***" between the balance-sheet and the profit-and-loss
// accounts. The opening balance sheet balances: assets equal liabilities plus
// net assets.
const std::vector<DemoAccount>& DemoChart();

bool IsCreditSideClass(DemoClass code);
// Balance-sheet accounts carry their balances into the next fiscal year;
// profit-and-loss accounts start it at zero.
bool IsBalanceSheetClass(DemoClass code);

// The chart as account-list records.
std::vector<AccountRecord> DemoAccountRecords();
