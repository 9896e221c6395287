#pragma once

#include "ledger_print_source.h"

class PageContext;
class QPrinter;

// Which ledgers a print job prints (the print dialog's three choices).
enum class PrintChoice {
    PostedAccounts,  // 変動のある全ての科目を印刷: accounts with a posting in the month
    AllAccounts,     // 全ての科目を印刷
    AccountOnShow,   // 現在表示中の科目を印刷: the ledger on screen as it stands
};

struct PrintTally {
    int ledgers = 0;      // ledgers that printed at least one row
    int pages = 0;        // pages that received drawing
    bool pagesOk = true;  // false when the device could not start a page
};

// Draws the chosen ledgers onto `page`. For AccountOnShow the ledger on show
// prints under the account name on show; nothing is reloaded. Otherwise the
// account buttons are walked down each column and then across: an empty name
// ends the walk, a button named BadName is skipped, and the grid's last cell
// is never visited. Each account is loaded into the source as a click would
// load it; under PostedAccounts it prints only when its grid row 2 is in use
// (a posting stands there). Every printed ledger starts on a new page; no
// blank page follows the last. The drawing offsets are 0 again on return.
PrintTally PrintLedgers(PageContext& page, PrintChoice choice, LedgerPrintSource& source);

// Names the job after the ledgers and their month ("総勘定元帳 2014年05月"):
// the name a printer queue shows, the title of a PDF and the file name the
// print dialog offers when it prints to a file.
void NameJob(QPrinter& printer, const LedgerPrintSource& source);

struct PrinterOutcome {
    // The printer was opened when needed, every page started and the job
    // ended cleanly.
    bool finished = false;
    PrintTally tally;
    double scale = 1;  // the uniform shrink that fits the page layout
};

// Prints the chosen ledgers on `printer` (paper, PDF file or preview), the
// page layout shrunk uniformly where the printable area is too small for it.
// When nothing is to be printed the printer is not opened at all.
PrinterOutcome PrintOnPrinter(QPrinter& printer, PrintChoice choice, LedgerPrintSource& source);
