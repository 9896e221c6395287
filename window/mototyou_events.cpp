// The ledger window's event handlers and what the month picker does to it.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>

#include "alist.h"
#include "cellbutton.h"
#include "grobal.h"
#include "ledger_columns.h"
#include "ledger_load.h"
#include "ledger_sort.h"
#include "mototyou.h"

LedgerView Mototyou::Ledger() {
    return LedgerView{MainList->Cell, kariTotal_, kasiTotal_, allKariTotal_, allKasiTotal_};
}

void Mototyou::ShowTotals() {
    KariTotal->setText(QString::fromStdString(kariTotal_));
    KasiTotal->setText(QString::fromStdString(kasiTotal_));
    AllKariTotal->setText(QString::fromStdString(allKariTotal_));
    AllKasiTotal->setText(QString::fromStdString(allKasiTotal_));
}

// Clicking the account on show reads everything again from the data files.
void Mototyou::MainButton_MouseClick(int column, int row) {
    if (!ButtonTables::contains(column, row)) return;
    const ButtonTables& buttons = MainButton->Tables();
    const std::string& name = buttons.ButtonName[column][row];
    // The name shows before the loading starts.
    KamokuName->setText(QString::fromStdString(name));
    KamokuName->repaint();
    LedgerView view = Ledger();
    const LedgerMonth month{DateField->text().toStdString(), PopupMenu1->currentIndex()};
    LoadLedger(view, Grobal::gFileReadRecord, Grobal::gBasicPath, month, name,
               buttons.ButtonColor[column][row]);
    ShowTotals();
    FitScrollRangeToLedger();
    MainList->aListRefresh();
    ScrollToFirstRow();
}

// The bar's range is that of the grid's own rows; a month with more postings
// than those rows hold widens it, so that every posting can be scrolled into
// view, and the next smaller ledger narrows it again.
void Mototyou::FitScrollRangeToLedger() {
    MainListScrollBar->setMaximum(
        std::max(readyScrollMaximum_, LastLedgerRow() - MainList->RowCount));
}

// The bar keeps its value within its range, so turning the wheel past either
// end leaves it there.
void Mototyou::MainList_MouseWheel(int, int, int, int deltaY) {
    MainListScrollBar->setValue(MainListScrollBar->value() + deltaY);
}

void Mototyou::MainListScrollBar_ValueChanged(int value) {
    MainList->TopIndex = value;
    MainListField->setEnabled(false);
    MainList->aListRefresh();
}

void Mototyou::Rectangle10_MouseDown(int, int) { ShowMonthPicker(); }

void Mototyou::PushButton1_Action() { QApplication::quit(); }

void Mototyou::SetMonthText(const QString& text) { DateField->setText(text); }

void Mototyou::MainListClear() {
    LedgerView view = Ledger();
    ::MainListClear(view, Grobal::gFileReadRecord);
    ShowTotals();
}

void Mototyou::RefreshMainList() { MainList->aListRefresh(); }

// The bar's minimum is 1 once the grid is ready; its value-changed handler
// moves the grid.
void Mototyou::ScrollToFirstRow() { MainListScrollBar->setValue(1); }

void Mototyou::RepaintNow() { repaint(); }
