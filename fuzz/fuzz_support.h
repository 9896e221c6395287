#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Helpers shared by the harnesses: a base folder to write the input files
// into, and a check that stops the run on a broken promise of the code.

// The harness input as bytes.
inline std::string_view InputBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The month every harness loads.
inline constexpr char kFuzzMonthText[] = "2014年05月現在";

// A base folder of its own for the process, removed when it ends normally.
class FuzzBooks {
  public:
    FuzzBooks();
    ~FuzzBooks();
    FuzzBooks(const FuzzBooks&) = delete;
    FuzzBooks& operator=(const FuzzBooks&) = delete;

    // The base path as the program holds it, ending in "/".
    std::string basicPath() const { return base_.string() + "/"; }

    // Replaces the account list, the carry-forward file or the slip file of
    // May 2014 with `bytes`.
    void accountList(std::string_view bytes) const;
    void carryForwards(std::string_view bytes) const;
    void slips(std::string_view bytes) const;

  private:
    std::filesystem::path base_;
};

// Empties the buttons the window's account list fills (9 columns of 15) and
// sets the grid's size to them.
struct ButtonTables;
void EmptyButtons(ButtonTables& buttons);

// Aborts with `what` on stderr when `holds` is false, so that libFuzzer keeps
// the input that broke the promise.
void Check(bool holds, const char* what);

// Checks what every ledger in the grid promises, whatever the files held:
// every amount cell fits its 13 characters, and in a debit-side ledger each
// balance shown agrees with the balance above it and the row's amounts
// whenever all of them are shown (not the overflow mark).
class CellTable;
void CheckLedgerCells(const CellTable& cells, int accountClass);
