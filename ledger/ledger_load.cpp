#include "ledger_load.h"

#include "carry_forward.h"
#include "ledger_rows.h"
#include "ledger_sort.h"

void LoadLedger(LedgerView& view, CellTable& records, const std::string& basicPath,
                const LedgerMonth& month, const std::string& accountName, int accountClass) {
    MainListClear(view, records);
    ReadTransfer(view.cells, basicPath, month.monthText, accountName, accountClass,
                 month.departmentIndex);
    ReadAccount(records, basicPath, month.monthText, accountName, month.departmentIndex);
    DataSort(view, records, accountClass);
}
