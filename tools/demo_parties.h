#pragma once

#include <string>
#include <vector>

// The demo company's business partners.

enum class DemoSettlement { kBankTransfer, kCheck, kNote };

struct DemoParty {
    std::string name;
    int payDay;  // day of the month it settles on; 31 means the month's last day
    DemoSettlement settlement;
};

const std::vector<DemoParty>& DemoCustomers();
const std::vector<DemoParty>& DemoSuppliers();
const DemoParty& FindDemoParty(const std::vector<DemoParty>& parties, const std::string& name);
