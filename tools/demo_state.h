#pragma once

#include <map>
#include <string>
#include <vector>

// What the demo company's books carry from one month to the next.

struct DemoTotals {
    long long debit = 0;
    long long credit = 0;
};

// An amount owed to or by one party, settled in a later month.
struct DemoInvoice {
    std::string party;
    long long amount = 0;
};

// A promissory note, settled on its due day.
struct DemoNote {
    std::string party;
    long long amount = 0;
    int dueMonthIndex = 0;  // year * 12 + month - 1
    int dueDay = 0;
};

struct DemoState {
    // Per account, the fiscal year's opening balance (on its side) plus every
    // posting since: the carry-forward of the month about to be generated.
    std::map<std::string, DemoTotals> cumulative;
    std::vector<DemoInvoice> receivables;  // billed last month, collected this month
    std::vector<DemoInvoice> billed;       // this month's sales on credit
    std::vector<DemoInvoice> payables;     // bought last month, paid this month
    std::vector<DemoInvoice> purchased;    // this month's purchases on credit
    std::vector<DemoInvoice> accrued;      // expenses of last month owed (未払金)
    std::vector<DemoInvoice> accruing;     // this month's expenses owed
    std::vector<DemoNote> notesReceivable;
    std::vector<DemoNote> notesPayable;
    long long withheldTaxes = 0;      // withheld from the last payroll, paid on the 10th
    long long withheldInsurance = 0;  // employees' share, paid with the company's at month end

    // Debit minus credit.
    long long Balance(const std::string& account) const;
};

// The books as they stand at the first April: the chart's opening balances
// with the parties, notes and taxes that make them up.
DemoState OpeningDemoState(int year);

// Moves the books into a new fiscal year: profit-and-loss accounts close into
// 繰越利益剰余金, the year's consumption taxes are netted into 未払消費税等,
// and every account opens with its balance on its own side.
void StartFiscalYear(DemoState& state);

// Opening totals of one balance: the amount on the debit side when positive,
// on the credit side when negative.
DemoTotals OpeningTotals(long long balance);
