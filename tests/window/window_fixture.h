#pragma once

#include <QDate>
#include <QSize>
#include <functional>
#include <memory>
#include <string>

#include "books_fixture.h"
#include "mototyou.h"

// The day every window test runs on unless it says otherwise.
inline const QDate kMay2014(2014, 5, 17);
inline const QSize kFullHd(1920, 1080);

// The user confirms the month the picker opens on: a click on its middle sheet.
void PickMiddleMonth(CalendarWindow& picker);

// Fails the test: a page-setup dialog that should not have been opened.
bool UnexpectedPageSetup(QPrinter& printer);

// A ledger window over the books at `basicPath` (set as main sets it), opened
// as on `today` on a screen of `screen` size. The month picker that ends the
// opening, and every later one, goes to `runPicker`, and the page-setup dialog
// to `runPageSetup`. A grid alert fails the test instead of showing a message
// box.
std::unique_ptr<Mototyou> OpenWindow(
    const std::string& basicPath, QDate today = kMay2014,
    std::function<void(CalendarWindow&)> runPicker = PickMiddleMonth, QSize screen = kFullHd,
    PageSetupDialogFunction runPageSetup = UnexpectedPageSetup);

// A small company's books for May 2014; the account list holds an inert
// "***" button and an unnamed one.
void WriteMayBooks(const Books& books);

// Presses and releases the mouse on the account button (column, row).
void ClickAccount(Mototyou& window, int column, int row);

// Where `control` lies in the window's content area.
QRect ContentRect(const Mototyou& window, const QWidget* control);
