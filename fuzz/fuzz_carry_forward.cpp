// The carry-forward reader: any bytes as the month's 繰越 file, read record by
// record and through the carry-forward row of the ledger.

#include "carry_forward.h"
#include "data_records.h"
#include "fuzz_support.h"
#include "ledger_columns.h"

namespace {

// The name of the first whole record, which the row then looks up.
std::string FirstName(std::string_view bytes) {
    RecordStream stream = RecordStream::FromBytes(bytes);
    std::string first;
    bool any = false;
    while (!stream.atEnd()) {
        const std::size_t before = stream.position();
        const auto record = ReadCarryForwardRecord(stream);
        if (!record) break;
        Check(stream.position() > before, "a record read no bytes");
        if (!any) first = record->name;
        any = true;
    }
    return first;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzBooks books;
    const std::string_view bytes = InputBytes(data, size);
    books.carryForwards(bytes);
    const std::string name = FirstName(bytes);
    for (const int accountClass : {1, 2}) {
        CellTable cells(1, kLastLedgerColumn);
        ReadTransfer(cells, books.basicPath(), kFuzzMonthText, name, accountClass, 0);
        Check(!cells.at(kCarryForwardRow, kDescriptionColumn).empty(), "no carry-forward label");
        CheckLedgerCells(cells, accountClass);
    }
    return 0;
}
