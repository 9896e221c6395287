#pragma once

#include <QString>

#include "ledger_print_source.h"
#include "print_environment.h"
#include "print_job.h"

class QWidget;

// The message shown when no print job could be opened: the print dialog was
// cancelled, or the printer it chose cannot be printed on.
inline const QString kPrinterNotOpened = QStringLiteral("プリンタが開けませんでした");
// The message shown when the printer fails part-way through a job.
inline const QString kPrintingBrokeOff = QStringLiteral("印刷を最後まで続けられませんでした");

// The print job of the print dialog: a printer with the saved page setup
// (gPrintSettings, A4 portrait when it cannot be read), the platform's print
// dialog for it, then the chosen ledgers. Changes made in the print dialog
// hold for this job only. Returns what was printed; nothing when no job
// could be opened, after telling the user.
PrinterOutcome PrintThroughDialog(PrintChoice choice, LedgerPrintSource& source,
                                  const PrintEnvironment& environment, QWidget* parent);

// The same job shown in the print preview: the pages are drawn by the same
// code as the printer's, and printing from the preview prints them.
void PreviewThroughDialog(PrintChoice choice, LedgerPrintSource& source,
                          const PrintEnvironment& environment, QWidget* parent);
