#include "fuzz_support.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "account.h"
#include "account_list.h"
#include "amount_text.h"
#include "cell_table.h"
#include "data_paths.h"
#include "ledger_columns.h"
#include "text_helpers.h"

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path YearFolder(const fs::path& base) { return base / "振替伝票データ" / "2014"; }

}  // namespace

FuzzBooks::FuzzBooks() {
    std::string pattern = (fs::temp_directory_path() / "mototyou-fuzz-XXXXXX").string();
    Check(mkdtemp(pattern.data()) != nullptr, "cannot make a temporary folder");
    base_ = pattern;
}

FuzzBooks::~FuzzBooks() {
    std::error_code ignored;
    fs::remove_all(base_, ignored);
}

void FuzzBooks::accountList(std::string_view bytes) const {
    WriteFile(AccountListPath(basicPath()), bytes);
}

void FuzzBooks::carryForwards(std::string_view bytes) const {
    WriteFile(YearFolder(base_) / "繰越2014:05", bytes);
}

void FuzzBooks::slips(std::string_view bytes) const {
    WriteFile(YearFolder(base_) / "振伝2014:05", bytes);
}

void EmptyButtons(ButtonTables& buttons) {
    buttons.ColCount = kAccountColumns;
    buttons.RowCount = kAccountRows;
    for (int column = 1; column <= kAccountColumns; ++column) {
        for (int row = 1; row <= kAccountRows; ++row) {
            buttons.ButtonName[column][row].clear();
            buttons.ButtonColor[column][row] = 0;
            buttons.ButtonData1[column][row].clear();
        }
    }
}

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

namespace {

void CheckWidths(const CellTable& cells, int row) {
    for (int column = kDebitColumn; column <= kBalanceColumn; ++column) {
        Check(CharacterCount(cells.at(row, column)) <= std::size_t{kAmountCellWidth},
              "an amount cell is wider than 13 characters");
    }
}

// The balance of `row` from the one above and the row's amounts, NaN when
// any of them shows the mark.
double ExpectedBalance(const CellTable& cells, int row) {
    const double previous = row == kCarryForwardRow ? 0 : CellAmount(cells.at(row - 1, 8));
    return WholeYen(previous + CellAmount(cells.at(row, kDebitColumn)) -
                    CellAmount(cells.at(row, kCreditColumn)));
}

}  // namespace

void CheckLedgerCells(const CellTable& cells, int accountClass) {
    for (int row = 1; row == 1 || !cells.at(row, kDescriptionColumn).empty(); ++row) {
        CheckWidths(cells, row);
        const bool carriedForward = row > 1 || !cells.at(row, kDebitColumn).empty() ||
                                    !cells.at(row, kCreditColumn).empty();
        if (IsCreditSideClass(accountClass) || !carriedForward) continue;
        const double expected = ExpectedBalance(cells, row);
        const double shown = CellAmount(cells.at(row, kBalanceColumn));
        if (std::isnan(expected) || std::isnan(shown)) continue;
        Check(shown == expected, "a balance disagrees with the amounts above it");
    }
}
