#pragma once

#include <string>
#include <vector>

#include "data_records.h"
#include "demo_journal.h"

// Amount text as a slip-entry program writes it: plain digits, or grouped in
// threes by "," when `grouped`.
std::string DemoAmountText(long long amount, bool grouped);

// The slip's lines: line i carries debit entry i and credit entry i, so a
// simple slip is one line and the single entry of a one-sided compound slip
// stands on line 1. Readers end a slip at the first line where the running
// debit and credit sums agree; should that happen before the last line, every
// entry gets a line of its own instead, debits first, which cannot balance
// early because every amount is positive.
std::vector<SlipLine> LayOutSlip(const DemoSlip& slip, const std::string& date, bool grouped);
