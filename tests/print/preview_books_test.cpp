// The preview and the PDF of real books: the same drawing gives the same pages.
#include <gtest/gtest.h>

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include "books_fixture.h"
#include "dialog_print_job.h"
#include "grobal.h"
#include "offscreen_app.h"
#include "pdf_export.h"
#include "standalone_ledger.h"

namespace {

// May 2014 with one account of 40 cash sales: a ledger of two pages.
void WriteBooks(const Books& books) {
    books.accounts(
        {{"現金", "0", ""}, {"売掛金", "0", ""}, {"売上", "1", ""}, {"雑収入", "1", ""}});
    std::vector<SlipLine> lines;
    for (int day = 1; day <= 40; ++day) {
        lines.push_back(Line("2014/05/" + std::to_string(day % 28 + 1), "1,000", "現金", "店頭売上",
                             "売上", "1,000"));
    }
    lines.push_back(Line("2014/05/30", "500", "現金", "雑収入", "雑収入", "500"));
    books.slips("2014:05", lines);
}

int PreviewPages(PrintChoice choice, LedgerPrintSource& source) {
    int pages = -1;
    PrintEnvironment environment;
    environment.runPreview = [&pages](QPrintPreviewDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        pages = widget->pageCount();
    };
    PreviewThroughDialog(choice, source, environment, nullptr);
    return pages;
}

TEST(PreviewOfBooks, ShowsThePagesThePdfGets) {
    EnsureOffscreenApp();
    Grobal::gPrintSettings.clear();
    Books books;
    WriteBooks(books);
    const QTemporaryDir folder;
    for (const PrintChoice choice : {PrintChoice::PostedAccounts, PrintChoice::AllAccounts}) {
        StandaloneLedger ledger(books.basicPath(), "2014年05月現在");
        const std::string pdf = folder.filePath(QStringLiteral("ledgers.pdf")).toStdString();
        const PdfExport written = PrintLedgersToPdf(pdf, "", choice, ledger);
        ASSERT_TRUE(written.written) << written.error;
        EXPECT_EQ(PreviewPages(choice, ledger), written.tally.pages);
    }
}

}  // namespace
