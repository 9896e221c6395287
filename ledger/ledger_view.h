#pragma once

#include <string>

#include "cell_table.h"

// The parts of the ledger window that the ledger functions fill: the grid's
// cell table and the four total texts. The window's controls own them; the
// command line and the tests hold plain ones.
struct LedgerView {
    CellTable& cells;
    std::string& KariTotal;
    std::string& KasiTotal;
    std::string& AllKariTotal;
    std::string& AllKasiTotal;
};
