#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include "fake_ledger_source.h"
#include "offscreen_app.h"
#include "painter_page_context.h"
#include "print_job.h"

namespace {

class PainterPageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureOffscreenApp(); }

    // A high-resolution PDF printer with `layout`, writing into the folder.
    std::unique_ptr<QPrinter> PdfPrinter(const QPageLayout& layout) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        printer->setPageLayout(layout);
        return printer;
    }

    QTemporaryDir folder;
    QString pdfPath = folder.filePath(QStringLiteral("pages.pdf"));
};

QPageLayout Portrait(QPageSize::PageSizeId paper, double marginMm) {
    return QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                       QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
}

// Sizes are in points whatever the printer's resolution: the printed Mincho
// is a full-width face whose half-width digits are half an em.
TEST_F(PainterPageTest, MeasuresInPoints) {
    const auto printer = PdfPrinter(Portrait(QPageSize::A4, 10));
    ASSERT_GT(printer->logicalDpiX(), 72);
    PainterPageContext page(*printer);
    page.SetFont("ヒラギノ明朝 Pro W3", 10, false);
    EXPECT_NEAR(page.TextWidth("■"), 10, 0.01);
    EXPECT_NEAR(page.TextWidth("00"), 10, 0.01);
    EXPECT_NEAR(page.LineHeight(), 15, 0.01);
    EXPECT_NEAR(page.PageWidth(), printer->pageLayout().paintRect(QPageLayout::Point).width(),
                0.01);
}

// The ledger page needs 714 points across (83u + 130 + 30 to the company
// name's end) and about 651 down (the footer): a whole JIS B4 sheet holds it
// as it stands, a B4 with margins or an A4 shrinks it.
TEST_F(PainterPageTest, ShrinksThePageOnlyWhenThePaperIsTooSmall) {
    struct Case {
        const char* name;
        QPageLayout layout;
        double scale;
    };
    const Case cases[] = {
        {"JIS B4 without margins", Portrait(QPageSize::JisB4, 0), 1},
        {"JIS B4 with 5 mm margins", Portrait(QPageSize::JisB4, 5), 700.16 / 714},
        {"A4 without margins", Portrait(QPageSize::A4, 0), 595.28 / 714},
        {"A4 with 10 mm margins", Portrait(QPageSize::A4, 10), 538.58 / 714},
        {"A4 landscape: the height decides",
         QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter),
         538.58 / 651},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLedgerSource source({"現金"});
        const auto printer = PdfPrinter(c.layout);
        const PrinterOutcome outcome = PrintOnPrinter(*printer, PrintChoice::AllAccounts, source);
        EXPECT_TRUE(outcome.finished);
        EXPECT_EQ(outcome.tally.pages, 1);
        EXPECT_NEAR(outcome.scale, c.scale, 0.01);
    }
}

TEST_F(PainterPageTest, AJobThatDrawsNothingLeavesThePrinterUnopened) {
    FakeLedgerSource source({"現金"});
    const auto printer = PdfPrinter(Portrait(QPageSize::A4, 10));
    const PrinterOutcome outcome = PrintOnPrinter(*printer, PrintChoice::PostedAccounts, source);
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.tally.pages, 0);
    EXPECT_EQ(source.loaded, std::vector<std::string>{"現金"});
    EXPECT_FALSE(QFile::exists(pdfPath));
}

}  // namespace
