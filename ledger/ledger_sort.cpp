#include "ledger_sort.h"

#include <array>
#include <cmath>
#include <vector>

#include "account.h"
#include "amount_text.h"
#include "ledger_columns.h"
#include "text_helpers.h"

namespace {

constexpr int kLastDay = 31;
// Postings without a usable day are kept after day 31.
constexpr int kNoDay = kLastDay + 1;

using DayTable = std::array<int, kNoDay + 1>;

bool InUse(const CellTable& table, int row) { return !table.at(row, kDescriptionColumn).empty(); }

// The day from the last two characters of the date ("05/03" is day 3).
int DayOf(const std::string& date) {
    const double day = ParseLeadingNumber(RightCharacters(date, 2));
    const bool usable = day >= 1 && day <= kLastDay && day == std::floor(day);
    return usable ? static_cast<int>(day) : kNoDay;
}

// Days of the postings, rows 1.. up to the first row not in use.
std::vector<int> PostingDays(const CellTable& records) {
    std::vector<int> days;
    for (int row = 1; InUse(records, row); ++row)
        days.push_back(DayOf(records.at(row, kDateColumn)));
    return days;
}

// Grid row of each day's first posting; the postings start below the carry-forward row.
DayTable FirstRows(const std::vector<int>& days) {
    DayTable counts{};
    for (const int day : days) ++counts[static_cast<std::size_t>(day)];
    DayTable first{};
    int row = 2;
    for (int day = 1; day <= kNoDay; ++day) {
        first[static_cast<std::size_t>(day)] = row;
        row += counts[static_cast<std::size_t>(day)];
    }
    return first;
}

void PlacePostings(CellTable& cells, const CellTable& records, const std::vector<int>& days) {
    DayTable next = FirstRows(days);
    for (int record = 1; record <= static_cast<int>(days.size()); ++record) {
        const int row = next[static_cast<std::size_t>(days[record - 1])]++;
        for (int column = kDateColumn; column < kBalanceColumn; ++column) {
            cells.set(row, column, records.at(record, column));
        }
    }
}

struct MonthSums {
    double debit = 0;
    double credit = 0;
};

// Balances are carried signed, in the direction the account keeps them: debits
// minus credits, or credits minus debits for a credit-side account, which shows
// the magnitude. Carrying the shown magnitude instead would turn a credit-side
// balance that crosses zero into figures that match no real balance.
double NextBalance(double previous, double debit, double credit, int accountClass) {
    return IsCreditSideClass(accountClass) ? previous + credit - debit : previous + debit - credit;
}

double ShownBalance(double balance, int accountClass) {
    return IsCreditSideClass(accountClass) ? std::fabs(balance) : balance;
}

// The carry-forward row's balance in the account's direction, from its debit
// and credit cells.
double CarriedBalance(const CellTable& cells, int accountClass) {
    return NextBalance(0, CellAmount(cells.at(kCarryForwardRow, kDebitColumn)),
                       CellAmount(cells.at(kCarryForwardRow, kCreditColumn)), accountClass);
}

// The balance is carried as a number, so a text cut to the cell's width shows
// short but never skews the rows below it.
MonthSums WriteBalances(CellTable& cells, int accountClass) {
    MonthSums sums;
    double balance = CarriedBalance(cells, accountClass);
    for (int row = 2; InUse(cells, row); ++row) {
        const double debit = CellAmount(cells.at(row, kDebitColumn));
        const double credit = CellAmount(cells.at(row, kCreditColumn));
        // Rounded to whole yen as shown, as every amount of the ledger is.
        balance = WholeYen(NextBalance(balance, debit, credit, accountClass));
        cells.set(row, kBalanceColumn, AmountCell(ShownBalance(balance, accountClass)));
        sums.debit += debit;
        sums.credit += credit;
    }
    return sums;
}

void SetTotals(LedgerView& view, const MonthSums& sums) {
    view.KariTotal = AmountTotal(sums.debit);
    view.KasiTotal = AmountTotal(sums.credit);
    view.AllKariTotal =
        AmountTotal(CellAmount(view.cells.at(kCarryForwardRow, kDebitColumn)) + sums.debit);
    view.AllKasiTotal =
        AmountTotal(CellAmount(view.cells.at(kCarryForwardRow, kCreditColumn)) + sums.credit);
}

}  // namespace

void MainListClear(LedgerView& view, CellTable& records) {
    view.cells.clear(1, 1, kLastLedgerColumn);
    records.clear(1, 1, kLastLedgerColumn);
    view.KariTotal.clear();
    view.KasiTotal.clear();
    view.AllKariTotal.clear();
    view.AllKasiTotal.clear();
}

void DataSort(LedgerView& view, const CellTable& records, int accountClass) {
    PlacePostings(view.cells, records, PostingDays(records));
    SetTotals(view, WriteBalances(view.cells, accountClass));
}
