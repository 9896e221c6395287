#include "data_records.h"

#include "text_helpers.h"

namespace {

constexpr std::size_t kLongTailCodeLength = 2;

std::string TrimmedText(RecordStream& stream) { return Trim(stream.readText()); }

template <typename Record>
std::optional<Record> Completed(const RecordStream& stream, Record record) {
    if (stream.failed()) return std::nullopt;
    return record;
}

}  // namespace

std::optional<AccountRecord> ReadAccountRecord(RecordStream& stream) {
    AccountRecord account;
    account.name = TrimmedText(stream);
    account.classCode = TrimmedText(stream);
    account.third = TrimmedText(stream);
    stream.skip(kAccountGap);
    return Completed(stream, std::move(account));
}

std::optional<CarryForwardRecord> ReadCarryForwardRecord(RecordStream& stream) {
    CarryForwardRecord record;
    record.name = TrimmedText(stream);
    RecordStream remainder = RecordStream::FromBytes(stream.readBytes(kCarryForwardRemainder));
    record.debit = TrimmedText(remainder);
    record.credit = TrimmedText(remainder);
    return Completed(stream, std::move(record));
}

std::optional<SlipLine> ReadSlipLine(RecordStream& stream) {
    SlipLine line;
    line.date = TrimmedText(stream);
    line.debitAmount = TrimmedText(stream);
    stream.skip(kSlipGap);
    line.debitAccount = TrimmedText(stream);
    line.description = TrimmedText(stream);
    line.supplement = TrimmedText(stream);
    stream.skip(kSlipGap);
    line.creditAccount = TrimmedText(stream);
    line.creditAmount = TrimmedText(stream);
    const std::string code = stream.readText();
    stream.skip(CharacterCount(code) == kLongTailCodeLength ? kSlipLongTail : kSlipShortTail);
    line.departmentCode = Trim(code);
    return Completed(stream, std::move(line));
}
