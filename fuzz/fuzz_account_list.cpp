// The account list reader: any bytes as 設定/勘定科目, loaded into the account
// buttons as the window does at its opening.

#include "account_list.h"
#include "fuzz_support.h"

namespace {

int FilledButtons(const ButtonTables& buttons) {
    int filled = 0;
    for (int column = 1; column <= buttons.ColCount; ++column) {
        for (int row = 1; row <= buttons.RowCount; ++row) {
            if (buttons.ButtonName[column][row].empty()) continue;
            ++filled;
            const auto found = FindAccountButton(buttons, buttons.ButtonName[column][row]);
            Check(found.has_value(), "a button's own name finds no button");
        }
    }
    return filled;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzBooks books;
    static ButtonTables buttons;  // large: made once, its buttons emptied per run
    books.accountList(InputBytes(data, size));
    EmptyButtons(buttons);
    ReadKamoku(books.basicPath(), buttons);
    Check(FilledButtons(buttons) < kAccountColumns * kAccountRows, "more than 134 accounts");
    Check(buttons.ButtonName[kAccountColumns][kAccountRows].empty(), "the last button is filled");
    return 0;
}
