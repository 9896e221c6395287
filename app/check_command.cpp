#include "check_command.h"

#include "consistency_check.h"
#include "ledger_choice.h"
#include "visible_text.h"

int RunCheckCommand(const CommandLine& options, const std::string& basicPath, std::ostream& out) {
    const std::vector<Finding> findings =
        CheckMonth(basicPath, MonthTextOfOption(options.month.value_or("")));
    for (const Finding& finding : findings) {
        out << finding.kind << '\t' << VisibleText(finding.where) << '\t'
            << VisibleText(finding.detail) << '\n';
    }
    return findings.empty() ? 0 : 1;
}
