// The whole ledger build: an account list, a carry-forward file and a slip
// file (ledger_bundle.h), and every account's ledger loaded from them as a
// click on its button or the print walk loads it.

#include "account_list.h"
#include "fuzz_support.h"
#include "ledger_bundle.h"
#include "ledger_columns.h"
#include "ledger_load.h"

namespace {

void LoadEveryAccount(const FuzzBooks& books, const ButtonTables& buttons) {
    CellTable cells(1, kLastLedgerColumn);
    CellTable records(1, kLastLedgerColumn);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    for (int column = 1; column <= buttons.ColCount; ++column) {
        for (int row = 1; row <= buttons.RowCount; ++row) {
            const std::string& name = buttons.ButtonName[column][row];
            if (name.empty()) continue;
            const int accountClass = buttons.ButtonColor[column][row];
            LoadLedger(view, records, books.basicPath(), {kFuzzMonthText, 0}, name, accountClass);
            CheckLedgerCells(cells, accountClass);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzBooks books;
    const LedgerBundle bundle = SplitLedgerBundle(InputBytes(data, size));
    books.accountList(bundle.accountList);
    books.carryForwards(bundle.carryForwards);
    books.slips(bundle.slips);
    static ButtonTables buttons;  // large: made once, its buttons emptied per run
    EmptyButtons(buttons);
    ReadKamoku(books.basicPath(), buttons);
    LoadEveryAccount(books, buttons);
    return 0;
}
