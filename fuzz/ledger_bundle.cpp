#include "ledger_bundle.h"

#include <algorithm>

namespace {

constexpr std::size_t kLengthBytes = 2;

// Takes a length from the front of `input`.
std::size_t TakeLength(std::string_view& input) {
    if (input.size() < kLengthBytes) {
        input = {};
        return 0;
    }
    const auto low = static_cast<unsigned char>(input[0]);
    const auto high = static_cast<unsigned char>(input[1]);
    input.remove_prefix(kLengthBytes);
    return std::size_t{low} | std::size_t{high} << 8;
}

std::string_view TakeBytes(std::string_view& input, std::size_t length) {
    const std::string_view taken = input.substr(0, std::min(length, input.size()));
    input.remove_prefix(taken.size());
    return taken;
}

std::string LengthBytes(std::size_t length) {
    return {static_cast<char>(length & 0xFF), static_cast<char>(length >> 8 & 0xFF)};
}

}  // namespace

LedgerBundle SplitLedgerBundle(std::string_view input) {
    const std::size_t accountListLength = TakeLength(input);
    const std::size_t carryForwardLength = TakeLength(input);
    LedgerBundle bundle;
    bundle.accountList = TakeBytes(input, accountListLength);
    bundle.carryForwards = TakeBytes(input, carryForwardLength);
    bundle.slips = input;
    return bundle;
}

std::string JoinLedgerBundle(const std::string& accountList, const std::string& carryForwards,
                             const std::string& slips) {
    return LengthBytes(accountList.size()) + LengthBytes(carryForwards.size()) + accountList +
           carryForwards + slips;
}
