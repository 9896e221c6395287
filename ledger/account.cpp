#include "account.h"

#include "text_helpers.h"

bool SameAccount(const std::string& accountName, const std::string& otherName) {
    const std::string name = Trim(accountName);
    return !name.empty() && name == Trim(otherName);
}

bool IsCreditSideClass(int accountClass) {
    return accountClass == 2 || accountClass == 3 || accountClass == 5 || accountClass == 7;
}
