// The slip reader: any bytes as the month's 振伝 file, grouped into slips for
// the whole company and for a department, and turned into one account's
// ledger rows and sorted grid.

#include "fuzz_support.h"
#include "ledger_columns.h"
#include "ledger_rows.h"
#include "ledger_sort.h"
#include "slip_reader.h"

namespace {

// The debit account of the first line, whose ledger the harness then builds.
std::string FirstDebitAccount(std::string_view bytes, int departmentIndex) {
    RecordStream stream = RecordStream::FromBytes(bytes);
    std::string first;
    while (const auto slip = ReadSlip(stream, departmentIndex)) {
        Check(!slip->lines.empty(), "an empty slip");
        if (first.empty()) first = slip->lines.front().debitAccount;
    }
    Check(stream.atEnd(), "slips stopped before the end of the file");
    return first;
}

void BuildLedger(const FuzzBooks& books, const std::string& account, int accountClass) {
    CellTable records(1, kLastLedgerColumn);
    ReadAccount(records, books.basicPath(), kFuzzMonthText, account, 0);
    CellTable cells(1, kLastLedgerColumn);
    std::string kari, kasi, allKari, allKasi;
    LedgerView view{cells, kari, kasi, allKari, allKasi};
    cells.set(kCarryForwardRow, kDescriptionColumn, "前　月　繰　越");
    DataSort(view, records, accountClass);
    int placed = 0;
    while (!cells.at(placed + 2, kDescriptionColumn).empty()) ++placed;
    int read = 0;
    while (!records.at(read + 1, kDescriptionColumn).empty()) ++read;
    Check(placed == read, "the grid holds another number of postings than were read");
    CheckLedgerCells(cells, accountClass);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzBooks books;
    const std::string_view bytes = InputBytes(data, size);
    FirstDebitAccount(bytes, 1);
    const std::string account = FirstDebitAccount(bytes, 0);
    books.slips(bytes);
    for (const int accountClass : {1, 2}) BuildLedger(books, account, accountClass);
    return 0;
}
