#include "standalone_ledger.h"

#include <optional>

#include "account_list.h"
#include "grobal.h"
#include "ledger_columns.h"
#include "ledger_load.h"

StandaloneLedger::StandaloneLedger(const std::string& basicPath, const std::string& monthText)
    : basicPath_(basicPath),
      monthText_(monthText),
      cells_(Grobal::kRecordLastRow, kLastLedgerColumn) {
    buttons_.ColCount = kAccountColumns;
    buttons_.RowCount = kAccountRows;
    ReadKamoku(basicPath_, buttons_);
}

bool StandaloneLedger::ShowAccount(const std::string& name) {
    const std::optional<ButtonCell> button = FindAccountButton(buttons_, name);
    if (!button) return false;
    kamokuName_ = buttons_.ButtonName[button->column][button->row];
    LoadAccountForPrint(LedgerMonth{monthText_, DepartmentIndex()}, kamokuName_,
                        buttons_.ButtonColor[button->column][button->row]);
    return true;
}

std::string StandaloneLedger::BadName() const { return kInertAccountName; }

void StandaloneLedger::LoadAccountForPrint(const LedgerMonth& month, const std::string& name,
                                           int accountClass) {
    LedgerView view{cells_, kariTotal_, kasiTotal_, allKariTotal_, allKasiTotal_};
    LoadLedger(view, Grobal::gFileReadRecord, basicPath_, month, name, accountClass);
}

LedgerPageSource StandaloneLedger::LedgerOnShow() const {
    return {cells_, kariTotal_, kasiTotal_, allKariTotal_, allKasiTotal_, monthText_};
}
