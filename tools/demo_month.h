#pragma once

#include <vector>

#include "data_records.h"
#include "demo_random.h"
#include "demo_state.h"

// Generates one month of the demo company's slips in order of day, posting
// them to the state's cumulative totals, and moves the month's new
// receivables, payables and accrued bills on to the next month.
std::vector<std::vector<SlipLine>> GenerateDemoMonth(DemoState& state, DemoRandom& random, int year,
                                                     int month);
