#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "alist.h"

// The grid as the ledger window lays it out and configures it: 1058 x 378,
// "アニト-Ｌ等幅" 18, header height 18, eight columns "5,12,1,29,6,13,13,13",
// masks "@" and amount codes r0 for the date and the balance, row mode. Error
// messages go to `messages` instead of a message box.
std::unique_ptr<aList> MakeLedgerGrid(std::vector<QString>* messages = nullptr,
                                      QWidget* parent = nullptr);

// A few ledger-like rows: the carry-forward row and postings on rows 2 onward.
void FillLedgerRows(aList& grid);

// The grid painted into an image of its own size over the window background.
QImage RenderGrid(aList& grid);

// The text height of the grid's font, as its paint measures it.
double GridTextHeight(const aList& grid);
