// The 印刷 button and what the print job reads and drives of the window.
#include <QComboBox>
#include <QLabel>

#include "alist.h"
#include "cellbutton.h"
#include "grobal.h"
#include "ledger_load.h"
#include "mototyou.h"
#include "printmenu.h"

void Mototyou::PushButton2_Action() { PrintMenu::Open(*this, environment_.print, this); }

const ButtonTables& Mototyou::AccountButtons() const { return MainButton->Tables(); }

std::string Mototyou::BadName() const { return MainButton->BadName; }

std::string Mototyou::KamokuNameText() const { return KamokuName->text().toStdString(); }

std::string Mototyou::DateFieldText() const { return DateField->text().toStdString(); }

int Mototyou::DepartmentIndex() const { return PopupMenu1->currentIndex(); }

// The total labels follow the loaded account, as after a click; the account
// name, the grid's picture and its scroll position stay as they were.
void Mototyou::LoadAccountForPrint(const LedgerMonth& month, const std::string& name,
                                   int accountClass) {
    LedgerView view = Ledger();
    LoadLedger(view, Grobal::gFileReadRecord, Grobal::gBasicPath, month, name, accountClass);
    ShowTotals();
}

LedgerPageSource Mototyou::LedgerOnShow() const {
    return {MainList->Cell, kariTotal_, kasiTotal_, allKariTotal_, allKasiTotal_, DateFieldText()};
}
