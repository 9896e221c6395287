#include "demo_parties.h"

#include <algorithm>
#include <stdexcept>

const std::vector<DemoParty>& DemoCustomers() {
    static const std::vector<DemoParty> customers{
        {"株式会社山田商店", 31, DemoSettlement::kBankTransfer},
        {"有限会社鈴木工業", 20, DemoSettlement::kBankTransfer},
        {"株式会社佐藤製作所", 25, DemoSettlement::kNote},
        {"株式会社高橋電機", 31, DemoSettlement::kBankTransfer},
        {"田中商事株式会社", 15, DemoSettlement::kBankTransfer},
        {"株式会社伊藤物流", 31, DemoSettlement::kNote},
        {"渡辺産業株式会社", 25, DemoSettlement::kBankTransfer},
        {"株式会社中村建設", 10, DemoSettlement::kBankTransfer},
    };
    return customers;
}

const std::vector<DemoParty>& DemoSuppliers() {
    static const std::vector<DemoParty> suppliers{
        {"株式会社大阪物産", 31, DemoSettlement::kBankTransfer},
        {"有限会社北海水産", 31, DemoSettlement::kBankTransfer},
        {"東京資材株式会社", 25, DemoSettlement::kNote},
        {"株式会社九州食品", 20, DemoSettlement::kCheck},
        {"株式会社丸山商会", 31, DemoSettlement::kBankTransfer},
        {"有限会社青木紙業", 10, DemoSettlement::kBankTransfer},
    };
    return suppliers;
}

const DemoParty& FindDemoParty(const std::vector<DemoParty>& parties, const std::string& name) {
    const auto found = std::find_if(parties.begin(), parties.end(),
                                    [&name](const DemoParty& party) { return party.name == name; });
    if (found == parties.end()) throw std::logic_error("unknown party " + name);
    return *found;
}
