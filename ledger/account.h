#pragma once

#include <string>

// What the ledger needs to know of an account besides its postings: whether a
// name names it, and on which side its balance is kept.

// True when both texts name the same account: equal after trimming. An empty
// name names no account, so lines without an account on a side never match.
bool SameAccount(const std::string& accountName, const std::string& otherName);

// Classes 2, 3, 5 and 7 keep their balance on the credit side and show it as a
// magnitude; every other class shows debits minus credits with its sign.
bool IsCreditSideClass(int accountClass);
