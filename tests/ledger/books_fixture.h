#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data_records.h"
#include "data_writer.h"

// A company's books in a fresh temporary base folder, written with the
// companion program's file formats; the folder goes away with the object.
class Books {
  public:
    Books() {
        std::string pattern = (std::filesystem::temp_directory_path() / "books-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        // A base folder whose path holds a space and Japanese text, as real ones do.
        base_ = root_ / "会計 データ";
        std::filesystem::create_directories(base_);
    }
    ~Books() { std::filesystem::remove_all(root_); }
    Books(const Books&) = delete;
    Books& operator=(const Books&) = delete;

    // The base path as the program holds it: ending in "/".
    std::string basicPath() const { return base_.string() + "/"; }
    const std::filesystem::path& base() const { return base_; }

    void accounts(const std::vector<AccountRecord>& records) const {
        WriteAccountList(base_ / "設定" / "勘定科目", records);
    }
    // `month` as "2014:05"; `prefix` a department name or empty.
    void carryForwards(const std::string& month, const std::vector<CarryForwardRecord>& records,
                       const std::string& prefix = "") const {
        WriteCarryForwardFile(yearFolder(month) / (prefix + "繰越" + month), records);
    }
    void slips(const std::string& month, const std::vector<SlipLine>& lines) const {
        WriteSlipFile(yearFolder(month) / ("振伝" + month), lines);
    }
    std::filesystem::path yearFolder(const std::string& month) const {
        return base_ / "振替伝票データ" / month.substr(0, 4);
    }

  private:
    std::filesystem::path root_;
    std::filesystem::path base_;
};

// A slip line with the fields in file order; supplement and department code
// are empty unless given.
inline SlipLine Line(std::string date, std::string debitAmount, std::string debitAccount,
                     std::string description, std::string creditAccount, std::string creditAmount,
                     std::string supplement = "", std::string departmentCode = "") {
    return SlipLine{std::move(date),         std::move(debitAmount),   std::move(debitAccount),
                    std::move(description),  std::move(supplement),    std::move(creditAccount),
                    std::move(creditAmount), std::move(departmentCode)};
}

// May 2014 of a small company: carry-forwards of 売上 and 現金 and slips of
// every shape (simple, compound on either side, a department code and a
// supplement), dated out of day order.
inline void WriteMayPostings(const Books& books) {
    books.carryForwards("2014:05", {{"売上", "0", "500000"}, {"現金", "100000", "0"}});
    books.slips("2014:05", {Line("2014/05/03", "8,000", "仕入", "商品仕入", "買掛金", "8,800"),
                            Line("2014/05/03", "800", "仮払消費税", "消費税", "", ""),
                            Line("2014/05/12", "10,000", "現金", "売上入金", "売上", "10,000"),
                            Line("2014/05/07", "1,000", "現金", "入金", "", ""),
                            Line("2014/05/07", "", "", "売上分", "売上", "600"),
                            Line("2014/05/07", "", "", "雑収入分", "雑収入", "400"),
                            Line("2014/05/20", "8,800", "買掛金", "買掛金支払", "現金", "8,800",
                                 "振込", "01")});
}

// `text` right-aligned in an amount cell of 13 characters (ASCII text only).
inline std::string Cell13(const std::string& text) {
    return std::string(text.size() < 13 ? 13 - text.size() : 0, ' ') + text;
}
