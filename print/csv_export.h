#pragma once

#include <QString>
#include <string>

#include "ledger_print_source.h"
#include "print_job.h"

// How the CSV text is stored: UTF-8 after a byte-order mark, which spreadsheet
// programs take as UTF-8, or the Windows Japanese code page cp932.
enum class CsvEncoding { Utf8, Cp932 };

// Where a CSV file goes and how its text is stored.
struct CsvTarget {
    QString path;
    CsvEncoding encoding = CsvEncoding::Utf8;
};

struct CsvExport {
    std::string error;  // one line saying why no file was written; empty when none
    int ledgers = 0;
    bool written = false;  // false with no error when no ledger was chosen
};

// Writes the ledgers `choice` selects (as the print job chooses them) into a
// CSV file at `path`: one header row, then per ledger its rows
// (ledger_csv.h). The file appears whole or not at all. In cp932 the
// characters that Mac Japanese and cp932 decode differently from one code
// (the wave dash 〜 and six more) are written under that code; any other
// character the code page cannot hold is an error naming it and its account,
// and nothing is ever written in its place.
CsvExport WriteLedgersCsv(const std::string& path, CsvEncoding encoding, PrintChoice choice,
                          LedgerPrintSource& source);

// The file name offered for the ledger on show: 元帳_NAME_YYYYMM.csv.
QString DefaultCsvFileName(const LedgerPrintSource& source);
