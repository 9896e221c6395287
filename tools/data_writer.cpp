#include "data_writer.h"

#include <fstream>
#include <stdexcept>

namespace {

// Any non-zero byte will do; a reader that takes a gap byte for a length
// prefix reads far off its record and its test fails.
constexpr char kGapFill = '\xA5';
constexpr std::size_t kMaxFieldBytes = 255;

std::string Gap(std::size_t count) { return std::string(count, kGapFill); }

std::string TextField(const std::string& utf8) {
    const std::string bytes = EncodeMacJapanese(utf8);
    if (bytes.size() > kMaxFieldBytes) {
        throw std::runtime_error("text longer than 255 bytes in Mac Japanese: \"" + utf8 + "\"");
    }
    return static_cast<char>(static_cast<unsigned char>(bytes.size())) + bytes;
}

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

// The reader decides the tail's length from the decoded, untrimmed
// department code, so characters are counted, not bytes.
std::size_t SlipTailLength(const std::string& departmentCode) {
    return CharacterCount(departmentCode) == 2 ? kSlipLongTail : kSlipShortTail;
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write file " + file.string());
}

template <typename Record, typename Encode>
void WriteRecords(const std::filesystem::path& file, const std::vector<Record>& records,
                  Encode encode) {
    std::string bytes;
    for (const Record& record : records) bytes += encode(record);
    WriteFile(file, bytes);
}

}  // namespace

std::string AccountRecordBytes(const AccountRecord& account) {
    return TextField(account.name) + TextField(account.classCode) + TextField(account.third) +
           Gap(kAccountGap);
}

std::string CarryForwardRecordBytes(const CarryForwardRecord& record) {
    const std::string amounts = TextField(record.debit) + TextField(record.credit);
    if (amounts.size() > kCarryForwardRemainder) {
        throw std::runtime_error("carry-forward amounts of \"" + record.name +
                                 "\" do not fit in 67 bytes");
    }
    return TextField(record.name) + amounts + Gap(kCarryForwardRemainder - amounts.size());
}

std::string SlipLineBytes(const SlipLine& line) {
    return TextField(line.date) + TextField(line.debitAmount) + Gap(kSlipGap) +
           TextField(line.debitAccount) + TextField(line.description) + TextField(line.supplement) +
           Gap(kSlipGap) + TextField(line.creditAccount) + TextField(line.creditAmount) +
           TextField(line.departmentCode) + Gap(SlipTailLength(line.departmentCode));
}

void WriteAccountList(const std::filesystem::path& file,
                      const std::vector<AccountRecord>& accounts) {
    WriteRecords(file, accounts, AccountRecordBytes);
}

void WriteCarryForwardFile(const std::filesystem::path& file,
                           const std::vector<CarryForwardRecord>& records) {
    WriteRecords(file, records, CarryForwardRecordBytes);
}

void WriteSlipFile(const std::filesystem::path& file, const std::vector<SlipLine>& lines) {
    WriteRecords(file, lines, SlipLineBytes);
}
