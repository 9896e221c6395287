#pragma once

#include "demo_journal.h"

// The demo company's transactions. Each posts the slips of one kind of event
// on `day` of the month being generated, or nothing when the event does not
// fall on that day.

// Everyday trading on business days.
void AddCashSale(DemoMonth& month, int day);
void AddCreditSale(DemoMonth& month, int day);
void AddPurchase(DemoMonth& month, int day);
void AddPettyCashExpense(DemoMonth& month, int day);
void AddCashExpense(DemoMonth& month, int day);
void AddBusinessTrip(DemoMonth& month, int day);
void DepositCash(DemoMonth& month, int day);

// Settlements on the parties' pay days and the notes' due days.
void CollectReceivables(DemoMonth& month, int day);
void PayPayables(DemoMonth& month, int day);
void SettleNotes(DemoMonth& month, int day);
void FundCurrentAccount(DemoMonth& month, int day);

// Monthly bills and payroll.
void PayWithholdingTaxes(DemoMonth& month, int day);
void PaySalaries(DemoMonth& month, int day);
void PaySocialInsurance(DemoMonth& month, int day);
void PayElectricity(DemoMonth& month, int day);
void PayGas(DemoMonth& month, int day);
void PayWater(DemoMonth& month, int day);
void PayTelephone(DemoMonth& month, int day);
void PayRentAndInsurance(DemoMonth& month, int day);
void PayNewspaper(DemoMonth& month, int day);
void ReceiveVendingCommission(DemoMonth& month, int day);
void ReceiveInterest(DemoMonth& month, int day);

// Month-end closing entries.
void AccrueExpenses(DemoMonth& month, int day);
void PayAccruedExpenses(DemoMonth& month, int day);
void RepayLoan(DemoMonth& month, int day);
void Depreciate(DemoMonth& month, int day);
void ReplenishPettyCash(DemoMonth& month, int day);
void PayConsumptionTax(DemoMonth& month, int day);

// Helpers shared by the event files.
int LastDay(const DemoMonth& month);
int MonthIndex(const DemoMonth& month);  // year * 12 + month - 1
std::string MonthLabel(int month);       // "5月分"
// The department code, left empty on some slips as users do.
std::string Department(DemoMonth& month, const std::string& code);
// A simple slip: one line debiting and crediting `amount`.
void PostSimple(DemoMonth& month, int day, const std::string& debit, const std::string& credit,
                long long amount, const std::string& description);
