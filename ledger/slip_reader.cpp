#include "slip_reader.h"

#include "text_helpers.h"

namespace {

// The department selection rule of ReadAccount: with a department selected, a
// line whose code does not read as that number belongs to another department.
bool OfAnotherDepartment(const SlipLine& line, int departmentIndex) {
    return departmentIndex != 0 && ParseLeadingNumber(line.departmentCode) != departmentIndex;
}

}  // namespace

std::optional<Slip> ReadSlip(RecordStream& stream, int departmentIndex) {
    Slip slip;
    double debitSum = 0;
    double creditSum = 0;
    while (!stream.atEnd()) {
        std::optional<SlipLine> line = ReadSlipLine(stream);
        if (!line) break;  // cut off by the end of the file
        debitSum += ChangeSequence(line->debitAmount);
        creditSum += ChangeSequence(line->creditAmount);
        slip.lines.push_back(std::move(*line));
        if (OfAnotherDepartment(slip.lines.back(), departmentIndex)) {
            slip.otherDepartment = true;
            break;
        }
        if (debitSum == creditSum) break;
    }
    if (slip.lines.empty()) return std::nullopt;
    return slip;
}
