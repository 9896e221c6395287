#pragma once

#include <string>

#include "cell_table.h"
#include "print_engine.h"

class PageContext;

// What the ledger pages read of the ledger on show: the grid's cells (row 1
// the carry-forward row, the postings below it with their running balance),
// the four total texts and the month label ("YYYY年MM月現在").
struct LedgerPageSource {
    const CellTable& cells;
    std::string KariTotal;
    std::string KasiTotal;
    std::string AllKariTotal;
    std::string AllKasiTotal;
    std::string DateField;
};

// Prints the ledger as a ruled table of seven columns (date, counter-account,
// description, supplement, debit, credit, balance), starting on the current
// page, followed by the month-total and cumulative-total rows with a rule
// above each. Every row in use prints (a posting whose description is blank
// as well); every page gets the heading with `title` and the footer, a page
// that holds only the total rows included. A ledger without any row in use
// prints nothing. Returns whether anything was printed. The job is not moved
// to a new page at the end.
bool SlipPrint(PrintEngine& engine, PageContext& page, const LedgerPageSource& ledger,
               PrintEngine::Integer offsetX, PrintEngine::Integer offsetY,
               const std::string& title);

// The current page's heading (month-end date, company name, `title`) and
// footer (the company's name in English). The offsets are not used.
void HeardFootPrint(PrintEngine& engine, PageContext& page, const LedgerPageSource& ledger,
                    PrintEngine::Integer offsetX, PrintEngine::Integer offsetY,
                    const std::string& title);

// A counter-account name spaced out for its column: two characters get an
// ASCII space between them, three get ideographic spaces, four get ASCII
// spaces; other names stay as they are.
std::string SetKamoku(const std::string& name);

// The room a ledger page's drawing needs from the page origin, in the page
// context's units, measured with its fonts: the shifted table, the company
// name, the footer and the deepest table line.
struct PageExtent {
    double width = 0;
    double height = 0;
};
PageExtent LedgerPageExtent(PageContext& page);
