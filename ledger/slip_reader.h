#pragma once

#include <optional>
#include <vector>

#include "data_records.h"
#include "record_stream.h"

// Consecutive slip lines whose running debit and credit sums balance.
struct Slip {
    std::vector<SlipLine> lines;
    // With a department selected, a line of another department ended the slip
    // early; such a slip gives no postings.
    bool otherDepartment = false;
};

// Reads the next slip: lines are added until the debit and credit sums (each
// amount through ChangeSequence, summed as doubles) are equal, so a first line
// with both amounts empty or zero is a slip of its own. With departmentIndex
// other than 0 (1..4 in use), a line whose department code reads as another
// number ends the slip and marks it otherDepartment; the code is read with
// ParseLeadingNumber, so "01" is 1 and an empty code is 0 (another
// department). A slip that has not balanced when the file ends is returned as
// it stands; a line cut off by the end of the file is dropped. Returns nothing
// when no complete line is left. Slips have no length limit.
std::optional<Slip> ReadSlip(RecordStream& stream, int departmentIndex);
