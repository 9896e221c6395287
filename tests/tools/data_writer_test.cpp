#include "data_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool AllNonZero(const std::string& bytes) { return bytes.find('\0') == std::string::npos; }

TEST(DataWriter, AccountRecordLaysOutThreeTextsAndGap) {
    const std::string bytes = AccountRecordBytes({"現金", "0", ""});
    const std::string head = std::string(
                                 "\x04\x8C\xBB\x8B\xE0\x01"
                                 "0",
                                 7) +
                             std::string(1, '\0');
    ASSERT_EQ(bytes.size(), head.size() + kAccountGap);
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_TRUE(AllNonZero(bytes.substr(head.size())));
}

TEST(DataWriter, CarryForwardRemainderIsPaddedTo67Bytes) {
    const std::string bytes = CarryForwardRecordBytes({"売上高", "-120", "3500000"});
    const std::string name = "\x06\x94\x84\x8F\xE3\x8D\x82";
    const std::string amounts =
        "\x04-120\x07"
        "3500000";
    ASSERT_EQ(bytes.size(), name.size() + kCarryForwardRemainder);
    EXPECT_EQ(bytes.substr(0, name.size() + amounts.size()), name + amounts);
    EXPECT_TRUE(AllNonZero(bytes.substr(name.size() + amounts.size())));
}

TEST(DataWriter, CarryForwardAmountsFillingTheRemainderExactlyFit) {
    const std::string debit(32, '1');
    const std::string credit(33, '2');  // 1 + 32 + 1 + 33 = 67
    EXPECT_EQ(CarryForwardRecordBytes({"A", debit, credit}).size(), 2 + kCarryForwardRemainder);
    EXPECT_THROW(CarryForwardRecordBytes({"A", debit, credit + "3"}), std::runtime_error);
}

TEST(DataWriter, SlipLineFieldsGapsAndTail) {
    const SlipLine line{"2025/05/12", "1,000", "現金", "売上", "補", "売上高", "1,000", "01"};
    const std::string bytes = SlipLineBytes(line);
    const std::string gap(kSlipGap, '?');
    const std::string expected = std::string(
                                     "\x0A"
                                     "2025/05/12\x05"
                                     "1,000") +
                                 gap + "\x04\x8C\xBB\x8B\xE0\x04\x94\x84\x8F\xE3\x02\x95\xE2" +
                                 gap +
                                 "\x06\x94\x84\x8F\xE3\x8D\x82\x05"
                                 "1,000\x02"
                                 "01";
    ASSERT_EQ(bytes.size(), expected.size() + kSlipLongTail);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i] == '?') {
            EXPECT_NE(bytes[i], '\0') << "gap byte " << i;
        } else {
            EXPECT_EQ(bytes[i], expected[i]) << "byte " << i;
        }
    }
    EXPECT_TRUE(AllNonZero(bytes.substr(expected.size())));
}

TEST(DataWriter, SlipTailIsLongOnlyForTwoCharacterDepartmentCodes) {
    struct Case {
        const char* name;
        std::string departmentCode;
        std::size_t tail;
    };
    const Case cases[] = {
        {"two digits", "01", kSlipLongTail},
        {"empty", "", kSlipShortTail},
        {"one digit", "1", kSlipShortTail},
        {"three characters", "001", kSlipShortTail},
        {"two full-width characters", "０１", kSlipLongTail},
        {"digit and space", "1 ", kSlipLongTail},
    };
    const SlipLine base{"2025/05/12", "", "", "x", "", "", "", ""};
    const std::size_t withoutCode = SlipLineBytes(base).size() - kSlipShortTail;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SlipLine line = base;
        line.departmentCode = c.departmentCode;
        const std::size_t codeBytes = EncodeMacJapanese(c.departmentCode).size();
        EXPECT_EQ(SlipLineBytes(line).size(), withoutCode + codeBytes + c.tail);
    }
}

TEST(DataWriter, TextOver255EncodedBytesIsRejectedNamingIt) {
    const std::string fits(255, 'a');
    EXPECT_EQ(AccountRecordBytes({fits, "", ""}).size(), 1 + 255 + 1 + 1 + kAccountGap);
    const std::string tooLong = std::string(254, 'x') + "勘";  // 254 + 2 bytes
    try {
        AccountRecordBytes({"現金", "0", tooLong});
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(tooLong), std::string::npos);
    }
}

TEST(DataWriter, FilesAreRecordsBackToBackInFreshFolders) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "data_writer_test" / "年";
    std::filesystem::remove_all(dir.parent_path());
    const std::vector<AccountRecord> accounts{{"現金", "0", ""}, {"***", "0", ""}};
    WriteAccountList(dir / "勘定科目", accounts);
    EXPECT_EQ(ReadBytes(dir / "勘定科目"),
              AccountRecordBytes(accounts[0]) + AccountRecordBytes(accounts[1]));

    const std::vector<CarryForwardRecord> records{{"現金", "100", "0"}};
    WriteCarryForwardFile(dir / "繰越2025:05", records);
    EXPECT_EQ(ReadBytes(dir / "繰越2025:05"), CarryForwardRecordBytes(records[0]));

    WriteSlipFile(dir / "振伝2025:05", {});
    EXPECT_TRUE(std::filesystem::exists(dir / "振伝2025:05"));
    EXPECT_EQ(std::filesystem::file_size(dir / "振伝2025:05"), 0u);
}

TEST(DataWriter, UnwritableFileThrows) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "data_writer_unwritable";
    std::filesystem::create_directories(dir / "勘定科目");  // a folder where the file should be
    EXPECT_THROW(WriteAccountList(dir / "勘定科目", {{"現金", "0", ""}}), std::runtime_error);
}

}  // namespace
