#pragma once

#include <string>

#include "ledger_print_source.h"
#include "print_job.h"

struct PdfExport {
    std::string error;  // one line saying why no file was written; empty when none
    PrintTally tally;
    bool written = false;  // false with no error when nothing was there to print
};

// Prints the chosen ledgers into a PDF file at `path` with the page setup
// `pageSetup` (A4 portrait when it cannot be read). The file appears whole or
// not at all: the pages go to a temporary file beside it, renamed into place
// once the job has ended cleanly. When no ledger prints, no file is written.
// Needs an application object (the offscreen platform will do).
PdfExport PrintLedgersToPdf(const std::string& path, const std::string& pageSetup,
                            PrintChoice choice, LedgerPrintSource& source);
