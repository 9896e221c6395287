#include <algorithm>

#include "demo_events.h"
#include "demo_parties.h"

namespace {

constexpr long long kTransferFee = 660;  // tax included
constexpr int kFeeTaxPercent = 10;
constexpr int kNoteMonths = 3;
constexpr long long kCurrentAccountMinimum = 3'000'000;

bool IsPayDay(const DemoMonth& month, const DemoParty& party, int day) {
    return std::min(party.payDay, LastDay(month)) == day;
}

std::vector<DemoEntry> TransferFee(const std::string& party) {
    return TaxIncluded({"支払手数料", kTransferFee, "振込手数料 " + party, ""}, "仮払消費税",
                       kFeeTaxPercent);
}

DemoNote NoteDue(DemoMonth& month, const DemoInvoice& invoice, int dueDay) {
    return {invoice.party, invoice.amount, MonthIndex(month) + kNoteMonths, dueDay};
}

void Collect(DemoMonth& month, int day, const DemoInvoice& invoice, DemoSettlement settlement) {
    if (settlement == DemoSettlement::kNote) {
        PostSimple(month, day, "受取手形", "売掛金", invoice.amount, "手形受取 " + invoice.party);
        month.state.notesReceivable.push_back(
            NoteDue(month, invoice, int(month.random.Between(5, 28))));
        return;
    }
    const std::string text = "売掛金回収 " + invoice.party;
    // Some customers deduct the transfer fee from what they send.
    const bool feeDeducted = month.random.Percent(40);
    DemoSlip slip{day, "", {}, {{"売掛金", invoice.amount, text, ""}}};
    slip.debits.push_back(
        {"普通預金", invoice.amount - (feeDeducted ? kTransferFee : 0), text, ""});
    if (feeDeducted) std::ranges::copy(TransferFee(invoice.party), std::back_inserter(slip.debits));
    Post(month, slip);
}

void Pay(DemoMonth& month, int day, const DemoInvoice& invoice, DemoSettlement settlement) {
    const std::string text = "買掛金支払 " + invoice.party;
    if (settlement == DemoSettlement::kCheck) {
        PostSimple(month, day, "買掛金", "当座預金", invoice.amount, text + " 小切手");
    } else if (settlement == DemoSettlement::kNote) {
        PostSimple(month, day, "買掛金", "支払手形", invoice.amount, "手形振出 " + invoice.party);
        month.state.notesPayable.push_back(NoteDue(month, invoice, 25));
    } else {
        DemoSlip slip{day, "", {{"買掛金", invoice.amount, text, ""}}, {}};
        std::ranges::copy(TransferFee(invoice.party), std::back_inserter(slip.debits));
        slip.credits.push_back({"普通預金", Sum(slip.debits), text, ""});
        Post(month, slip);
    }
}

bool IsDue(const DemoMonth& month, const DemoNote& note, int day) {
    return note.dueMonthIndex == MonthIndex(month) && note.dueDay == day;
}

}  // namespace

void CollectReceivables(DemoMonth& month, int day) {
    std::erase_if(month.state.receivables, [&](const DemoInvoice& invoice) {
        const DemoParty& customer = FindDemoParty(DemoCustomers(), invoice.party);
        if (!IsPayDay(month, customer, day)) return false;
        Collect(month, day, invoice, customer.settlement);
        return true;
    });
}

void PayPayables(DemoMonth& month, int day) {
    std::erase_if(month.state.payables, [&](const DemoInvoice& invoice) {
        const DemoParty& supplier = FindDemoParty(DemoSuppliers(), invoice.party);
        if (!IsPayDay(month, supplier, day)) return false;
        Pay(month, day, invoice, supplier.settlement);
        return true;
    });
}

void SettleNotes(DemoMonth& month, int day) {
    std::erase_if(month.state.notesReceivable, [&](const DemoNote& note) {
        if (!IsDue(month, note, day)) return false;
        PostSimple(month, day, "当座預金", "受取手形", note.amount, "手形期日入金 " + note.party);
        return true;
    });
    std::erase_if(month.state.notesPayable, [&](const DemoNote& note) {
        if (!IsDue(month, note, day)) return false;
        PostSimple(month, day, "支払手形", "当座預金", note.amount, "支払手形決済 " + note.party);
        return true;
    });
}

void FundCurrentAccount(DemoMonth& month, int day) {
    if (month.state.Balance("当座預金") >= kCurrentAccountMinimum) return;
    PostSimple(month, day, "当座預金", "普通預金", kCurrentAccountMinimum, "当座預金へ資金移動");
}
