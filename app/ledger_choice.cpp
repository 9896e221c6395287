#include "ledger_choice.h"

#include "account.h"
#include "account_list.h"
#include "data_paths.h"
#include "visible_text.h"

std::optional<PrintChoice> ChooseLedgers(const std::optional<std::string>& print,
                                         StandaloneLedger& ledger, std::ostream& err) {
    const std::string which = print.value_or("posted");
    if (which == "posted") return PrintChoice::PostedAccounts;
    if (which == "all") return PrintChoice::AllAccounts;
    if (SameAccount(which, kInertAccountName)) {
        err << "mototyou: the account button \"" << VisibleText(which) << "\" cannot be clicked\n";
        return std::nullopt;
    }
    if (!ledger.ShowAccount(which)) {
        err << "mototyou: no account button is named \"" << VisibleText(which) << "\"\n";
        return std::nullopt;
    }
    return PrintChoice::AccountOnShow;
}

std::string MonthTextOfOption(const std::string& month) {
    return MonthInForceText(std::stoi(month.substr(0, 4)), std::stoi(month.substr(5, 2)));
}
