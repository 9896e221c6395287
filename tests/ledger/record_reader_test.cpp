#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data_records.h"
#include "data_writer.h"
#include "reader_fixture.h"
#include "record_stream.h"

// Readable failure messages for the records.
void PrintTo(const AccountRecord& r, std::ostream* os) {
    *os << "{" << r.name << "|" << r.classCode << "|" << r.third << "}";
}
void PrintTo(const CarryForwardRecord& r, std::ostream* os) {
    *os << "{" << r.name << "|" << r.debit << "|" << r.credit << "}";
}
void PrintTo(const SlipLine& l, std::ostream* os) {
    *os << "{" << l.date << "|" << l.debitAmount << "|" << l.debitAccount << "|" << l.description
        << "|" << l.supplement << "|" << l.creditAccount << "|" << l.creditAmount << "|"
        << l.departmentCode << "}";
}

namespace {

namespace fs = std::filesystem;

// Reads records with `read` until the stream ends or a record is cut off.
template <typename Record, typename Read>
std::vector<Record> ReadAll(RecordStream& stream, Read read) {
    std::vector<Record> records;
    while (!stream.atEnd()) {
        std::optional<Record> record = read(stream);
        if (!record) break;
        records.push_back(std::move(*record));
    }
    return records;
}

std::vector<AccountRecord> Accounts(RecordStream& stream) {
    return ReadAll<AccountRecord>(stream, ReadAccountRecord);
}
std::vector<CarryForwardRecord> CarryForwards(RecordStream& stream) {
    return ReadAll<CarryForwardRecord>(stream, ReadCarryForwardRecord);
}
std::vector<SlipLine> SlipLines(RecordStream& stream) {
    return ReadAll<SlipLine>(stream, ReadSlipLine);
}

// ---- The byte stream ----

TEST(RecordStream, FilesThatCannotBeReadAreEmpty) {
    TempFolder folder;
    fs::create_directory(folder.path() / "振伝2014:05");
    const struct {
        const char* name;
        fs::path file;
    } cases[] = {
        {"missing file", folder.path() / "繰越2014:05"},
        {"folder where a file is expected", folder.path() / "振伝2014:05"},
        {"empty path", fs::path()},
        {"zero-byte file", folder.file("empty", "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordStream stream(c.file);
        EXPECT_TRUE(stream.atEnd());
        EXPECT_FALSE(stream.failed());
        EXPECT_EQ(stream.size(), 0u);
        EXPECT_FALSE(ReadAccountRecord(stream).has_value());
        EXPECT_TRUE(stream.failed());
    }
}

TEST(RecordStream, ReadsLengthPrefixedTexts) {
    RecordStream stream = RecordStream::FromBytes(Field("") + Field("\x8C\xBB\x8B\xE0") +
                                                  Field(" a ") + Field(std::string(255, 'x')));
    EXPECT_EQ(stream.readText(), "");
    EXPECT_EQ(stream.position(), 1u) << "the next field begins right after a length 0";
    EXPECT_EQ(stream.readText(), "現金");
    EXPECT_EQ(stream.readText(), " a ") << "readText does not trim";
    EXPECT_EQ(stream.readText(), std::string(255, 'x'));
    EXPECT_TRUE(stream.atEnd());
    EXPECT_FALSE(stream.failed());
}

TEST(RecordStream, ReadsPastTheEndFailAndReadNothing) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"no length byte left", ""},
        {"length runs past the end",
         "\x05"
         "abc"},
        {"length 255 with nothing after it", "\xFF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordStream stream = RecordStream::FromBytes(c.bytes);
        EXPECT_EQ(stream.readText(), "");
        EXPECT_TRUE(stream.failed());
        EXPECT_TRUE(stream.atEnd());
        EXPECT_EQ(stream.position(), c.bytes.size());
        EXPECT_EQ(stream.readText(), "") << "a failed stream stays failed";
    }
}

TEST(RecordStream, SkipsGapsByLength) {
    RecordStream stream = RecordStream::FromBytes("abcdef");
    stream.skip(2);
    EXPECT_EQ(stream.position(), 2u);
    stream.skip(4);
    EXPECT_TRUE(stream.atEnd());
    EXPECT_FALSE(stream.failed());
    stream.skip(1);
    EXPECT_TRUE(stream.failed());

    RecordStream short_stream = RecordStream::FromBytes("abc");
    short_stream.skip(27);
    EXPECT_TRUE(short_stream.failed());
    EXPECT_EQ(short_stream.position(), 3u);
}

TEST(RecordStream, SeekStaysInsideTheStream) {
    RecordStream stream = RecordStream::FromBytes("abc");
    stream.seek(1);
    EXPECT_EQ(stream.position(), 1u);
    stream.seek(10);
    EXPECT_EQ(stream.position(), 3u);
    EXPECT_TRUE(stream.atEnd());
    EXPECT_FALSE(stream.failed());
}

// ---- Account list ----

TEST(AccountRecords, ReadTheWritersFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "勘定科目";
    WriteAccountList(file, {{"現金", "0", "a"}, {"売上高", "3", ""}, {"***", "", ""}});
    RecordStream stream(file);
    const std::vector<AccountRecord> expected = {
        {"現金", "0", "a"}, {"売上高", "3", ""}, {"***", "", ""}};
    EXPECT_EQ(Accounts(stream), expected);
    EXPECT_FALSE(stream.failed());
}

TEST(AccountRecords, TextsAreTrimmed) {
    RecordStream stream =
        RecordStream::FromBytes(AccountRecordBytes({"  現金\u3000", " 1 ", "\tx\r\n"}) +
                                AccountRecordBytes({"\u3000\u3000", "", ""}));
    const std::vector<AccountRecord> expected = {{"現金", "1", "x"}, {"", "", ""}};
    EXPECT_EQ(Accounts(stream), expected);
}

TEST(AccountRecords, ZeroByteFileHasNoAccounts) {
    TempFolder folder;
    RecordStream stream(folder.file("勘定科目", ""));
    EXPECT_TRUE(Accounts(stream).empty());
}

// Every cut inside the last record drops that record and reads nothing more.
TEST(AccountRecords, FileEndingInsideARecordDropsIt) {
    const std::string first = AccountRecordBytes({"現金", "0", ""});
    const std::string second = AccountRecordBytes({"普通預金", "0", "x"});
    for (std::size_t cut = 1; cut < second.size(); ++cut) {
        SCOPED_TRACE(cut);
        RecordStream stream = RecordStream::FromBytes(first + second.substr(0, cut));
        const std::vector<AccountRecord> expected = {{"現金", "0", ""}};
        EXPECT_EQ(Accounts(stream), expected);
        EXPECT_TRUE(stream.failed());
        EXPECT_TRUE(stream.atEnd());
    }
}

// ---- Carry-forward file ----

TEST(CarryForwardRecords, ReadTheWritersFile) {
    TempFolder folder;
    const fs::path file = folder.path() / "繰越2014:05";
    WriteCarryForwardFile(
        file, {{"現金", "1000000", "0"}, {"売上高", "", "500000"}, {"買掛金", "-200", "300"}});
    RecordStream stream(file);
    const std::vector<CarryForwardRecord> expected = {
        {"現金", "1000000", "0"}, {"売上高", "", "500000"}, {"買掛金", "-200", "300"}};
    EXPECT_EQ(CarryForwards(stream), expected);
}

TEST(CarryForwardRecords, NamesAndAmountsAreTrimmed) {
    RecordStream stream =
        RecordStream::FromBytes(CarryForwardRecordBytes({"現金   ", " 1000 ", "\u30000\u3000"}));
    const std::vector<CarryForwardRecord> expected = {{"現金", "1000", "0"}};
    EXPECT_EQ(CarryForwards(stream), expected);
}

TEST(CarryForwardRecords, TheRemainderIsAlways67Bytes) {
    // Amounts filling the remainder exactly, then a record after it.
    const std::string full =
        CarryForwardRecordBytes({"A", std::string(32, '1'), std::string(33, '2')});
    // An amount field whose length runs past the remainder: it reads as empty
    // and the next record is still found 67 bytes after the name.
    const std::string overrun = Field("B") + Field("9") + "\x7F" + Gap(64);
    const std::string last = CarryForwardRecordBytes({"C", "5", "6"});
    RecordStream stream = RecordStream::FromBytes(full + overrun + last);
    const std::vector<CarryForwardRecord> expected = {
        {"A", std::string(32, '1'), std::string(33, '2')}, {"B", "9", ""}, {"C", "5", "6"}};
    EXPECT_EQ(CarryForwards(stream), expected);
    EXPECT_FALSE(stream.failed());
}

TEST(CarryForwardRecords, FileEndingInsideARecordDropsIt) {
    const std::string first = CarryForwardRecordBytes({"現金", "1000", "0"});
    const std::string second = CarryForwardRecordBytes({"売上高", "0", "500"});
    for (std::size_t cut = 1; cut < second.size(); ++cut) {
        SCOPED_TRACE(cut);
        RecordStream stream = RecordStream::FromBytes(first + second.substr(0, cut));
        const std::vector<CarryForwardRecord> expected = {{"現金", "1000", "0"}};
        EXPECT_EQ(CarryForwards(stream), expected);
        EXPECT_TRUE(stream.failed());
    }
}

// ---- Slip file ----

SlipLine Line(std::string departmentCode) {
    return {"2014/05/12", "1,000",  "現金",  "売上入金",
            "補",         "売上高", "1,000", std::move(departmentCode)};
}

// The tail after the department code is 34 bytes when the untrimmed decoded
// code is exactly two characters, else 2 bytes. Each case is a hand-made line
// followed by a second line: the second is read correctly only when the tail
// was skipped with the right length.
TEST(SlipLines, TailLengthFollowsTheUntrimmedDepartmentCode) {
    const struct {
        const char* name;
        std::string codeBytes;  // Mac Japanese
        std::size_t tail;
        std::string trimmedCode;
    } cases[] = {
        {"01: two characters", "01", 34, "01"},
        {"empty", "", 2, ""},
        {"1: one character", "1", 2, "1"},
        {"001: three characters", "001", 2, "001"},
        {"space and 1: two characters before trimming", " 1", 34, "1"},
        {"1 and space", "1 ", 34, "1"},
        {"two spaces", "  ", 34, ""},
        {"full-width 01: two characters in four bytes", "\x82\x4F\x82\x50", 34, "０１"},
        {"two ideographic spaces: trimmed away", "\x81\x40\x81\x40", 34, ""},
        {"one full-width digit: one character in two bytes", "\x82\x50", 2, "１"},
        {"bad pair counts as one character", "\x87\x59", 2, "\uFFFD"},
    };
    const std::string next = SlipLineBytes(Line("02"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string head = Field("2014/05/12") + Field("500") + Gap(5) +
                                 Field("\x8C\xBB\x8B\xE0") + Field("") + Field("") + Gap(5) +
                                 Field("") + Field("") + Field(c.codeBytes);
        RecordStream stream = RecordStream::FromBytes(head + Gap(c.tail) + next);
        const std::vector<SlipLine> lines = SlipLines(stream);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].departmentCode, c.trimmedCode);
        EXPECT_EQ(lines[0].debitAccount, "現金");
        EXPECT_EQ(lines[0].debitAmount, "500");
        EXPECT_EQ(lines[1], Line("02"));
        EXPECT_FALSE(stream.failed());
    }
}

TEST(SlipLines, ReadTheWritersFileWithEveryFieldInPlace) {
    TempFolder folder;
    const fs::path file = folder.path() / "振伝2014:05";
    const std::vector<SlipLine> lines = {
        {"2014/05/12", "10,000", "現金", "売上入金", "", "売上", "10,000", ""},
        {"2014/05/13", "8,000", "仕入", "山田商店", "No.12", "買掛金", "8,800", "01"},
        {"2014/05/13", "800", "仮払消費税", "", "", "", "", "1"},
        {"", "", "", "", "", "", "", "003"},
    };
    WriteSlipFile(file, lines);
    RecordStream stream(file);
    EXPECT_EQ(SlipLines(stream), lines);
    EXPECT_FALSE(stream.failed());
}

TEST(SlipLines, FieldsAreTrimmed) {
    RecordStream stream = RecordStream::FromBytes(SlipLineBytes(
        {" 2014/05/12 ", " 1,000 ", "現金\u3000", "\u3000摘要", " 補 ", " 売上 ", "1,000 ", " 2"}));
    const std::vector<SlipLine> expected = {
        {"2014/05/12", "1,000", "現金", "摘要", "補", "売上", "1,000", "2"}};
    EXPECT_EQ(SlipLines(stream), expected);
}

TEST(SlipLines, FileEndingInsideALineDropsIt) {
    const std::string first = SlipLineBytes(Line(""));
    for (const std::string& code : {std::string(""), std::string("01")}) {
        const std::string second = SlipLineBytes(Line(code));
        for (std::size_t cut = 1; cut < second.size(); ++cut) {
            SCOPED_TRACE(code + " cut at " + std::to_string(cut));
            RecordStream stream = RecordStream::FromBytes(first + second.substr(0, cut));
            const std::vector<SlipLine> expected = {Line("")};
            EXPECT_EQ(SlipLines(stream), expected);
            EXPECT_TRUE(stream.failed());
        }
    }
}

TEST(Records, RandomBytesEndEveryReaderAtTheEnd) {
    std::mt19937 random(2014);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(static_cast<std::size_t>(byte(random)) * 4, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        RecordStream accounts = RecordStream::FromBytes(bytes);
        Accounts(accounts);
        RecordStream carryForwards = RecordStream::FromBytes(bytes);
        CarryForwards(carryForwards);
        RecordStream slips = RecordStream::FromBytes(bytes);
        SlipLines(slips);
        for (const RecordStream* stream : {&accounts, &carryForwards, &slips}) {
            ASSERT_TRUE(stream->atEnd());
            ASSERT_LE(stream->position(), bytes.size());
        }
    }
}

TEST(SlipLines, GarbageFileEndsWithoutHangingOrThrowing) {
    std::string bytes;
    for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
    RecordStream stream = RecordStream::FromBytes(bytes);
    const std::vector<SlipLine> lines = SlipLines(stream);
    EXPECT_TRUE(stream.atEnd());
    EXPECT_LT(lines.size(), bytes.size());
}

}  // namespace
