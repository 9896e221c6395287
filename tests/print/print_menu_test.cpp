#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "dialog_print_job.h"
#include "fake_ledger_source.h"
#include "grobal.h"
#include "offscreen_app.h"
#include "page_setup_text.h"
#include "printmenu.h"
#include "screen_offset.h"

namespace {

// A print dialog's surroundings that answer at once: the platform's print
// dialog is replaced by one that prints into a PDF file (or is cancelled),
// messages are kept, and the preview is not shown but made to draw its pages.
struct Answers {
    QString pdfPath;  // empty: the print dialog is cancelled
    QStringList messages;
    int previewPages = -1;

    PrintEnvironment environment() {
        return {[this](QPrinter& printer, QWidget*) {
                    if (pdfPath.isEmpty()) return false;
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(pdfPath);
                    return true;
                },
                [this](QWidget*, const QString& message) { messages << message; },
                [this](QPrintPreviewDialog& preview) {
                    auto* pages = preview.findChild<QPrintPreviewWidget*>();
                    ASSERT_NE(pages, nullptr);
                    pages->updatePreview();
                    previewPages = pages->pageCount();
                }};
    }
};

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(
        content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// Deletes what closed with WA_DeleteOnClose.
void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class PrintMenuTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureOffscreenApp(); }
    void SetUp() override { Grobal::gPrintSettings.clear(); }

    QTemporaryDir folder;
};

TEST_F(PrintMenuTest, ShowsItsControlsWhereTheLayoutPutsThem) {
    FakeLedgerSource source({"現金"});
    PrintMenu menu(source);
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("印刷内容選択"));
    EXPECT_EQ(menu.size(), QSize(271, 276));
    EXPECT_EQ(menu.minimumSize(), menu.maximumSize());
    EXPECT_FALSE(menu.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(menu.GroupBox1->geometry(), QRect(13, 13, 245, 87));
    EXPECT_EQ(menu.GroupBox1->title(), QStringLiteral("印刷内容"));
    struct Radio {
        QRadioButton* button;
        QString caption;
        int top;
    };
    for (const Radio& r :
         {Radio{menu.RadioButton1, QStringLiteral("変動のある全ての科目を印刷"), 34},
          Radio{menu.RadioButton2, QStringLiteral("全ての科目を印刷"), 52},
          Radio{menu.RadioButton3, QStringLiteral("現在表示中の科目を印刷"), 70}}) {
        EXPECT_EQ(r.button->text(), r.caption);
        EXPECT_EQ(QRect(r.button->mapTo(&menu, QPoint()), r.button->size()),
                  QRect(46, r.top, 180, 20));
    }
    EXPECT_TRUE(menu.RadioButton1->isChecked());
    EXPECT_EQ(menu.Choice(), PrintChoice::PostedAccounts);
    EXPECT_EQ(menu.PushButton1->geometry(), QRect(178, 242, 80, 20));
    EXPECT_EQ(menu.PushButton1->text(), QStringLiteral("印刷..."));
    EXPECT_TRUE(menu.PushButton1->isDefault());
    EXPECT_EQ(menu.PushButton2->geometry(), QRect(13, 242, 80, 20));
    EXPECT_EQ(menu.PushButton2->text(), QStringLiteral("キャンセル"));
    // The preview button lies between the two, at their height.
    EXPECT_EQ(menu.PushButton3->text(), QStringLiteral("プレビュー..."));
    EXPECT_EQ(menu.PushButton3->y(), 242);
    EXPECT_GT(menu.PushButton3->x(), menu.PushButton2->geometry().right());
    EXPECT_LT(menu.PushButton3->geometry().right(), menu.PushButton1->x());
}

TEST_F(PrintMenuTest, OpensMovableModalAndReturnsAtOnce) {
    FakeLedgerSource source({"現金"});
    QPointer<PrintMenu> menu = PrintMenu::Open(source, {}, nullptr);
    ASSERT_FALSE(menu.isNull());
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowTitleHint);
    menu->PushButton2_Action();
    ProcessDeletions();
    EXPECT_TRUE(menu.isNull());
    EXPECT_TRUE(source.loaded.empty());
}

TEST_F(PrintMenuTest, ACancelledPrintDialogShowsTheMessageAndPrintsNothing) {
    FakeLedgerSource source({"現金", "売上"});
    source.SetPostings("現金", 2);
    Answers answers;
    QPointer<PrintMenu> menu = PrintMenu::Open(source, answers.environment(), nullptr);
    menu->RadioButton2->setChecked(true);
    menu->PushButton1->click();
    ProcessDeletions();
    EXPECT_EQ(answers.messages, QStringList{QStringLiteral("プリンタが開けませんでした")});
    EXPECT_TRUE(source.loaded.empty());
    EXPECT_TRUE(menu.isNull()) << "the dialog closes in every outcome";
    EXPECT_EQ(gScreenX, 0);
    EXPECT_EQ(gScreenY, 0);
}

// On a machine without printers the platform's print dialog offers a PDF
// file; printing there needs no printer.
TEST_F(PrintMenuTest, PrintsTheChosenLedgersIntoThePrintDialogsFile) {
    struct Case {
        const char* name;
        QRadioButton* PrintMenu::*choice;
        int pages;
        std::vector<std::string> loaded;
    };
    const Case cases[] = {
        {"accounts with postings", &PrintMenu::RadioButton1, 2, {"現金", "売掛金", "売上"}},
        {"every account", &PrintMenu::RadioButton2, 4, {"現金", "売掛金", "売上"}},
        {"the account on show", &PrintMenu::RadioButton3, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLedgerSource source({"現金", "売掛金", "売上"});
        source.SetPostings("現金", 40);
        source.Load("売上");
        source.loaded.clear();
        source.kamokuName = "売上";
        Answers answers;
        answers.pdfPath = folder.filePath(QStringLiteral("ledgers.pdf"));
        QPointer<PrintMenu> menu = PrintMenu::Open(source, answers.environment(), nullptr);
        (*menu.*c.choice)->setChecked(true);
        menu->PushButton1->click();
        ProcessDeletions();
        EXPECT_TRUE(menu.isNull());
        EXPECT_TRUE(answers.messages.isEmpty());
        EXPECT_EQ(source.loaded, c.loaded);
        EXPECT_EQ(PdfPageCount(answers.pdfPath), c.pages);
        QFile::remove(answers.pdfPath);
    }
}

// The preview draws with the printer's code, so it has the printer's pages;
// the dialog stays open for printing afterwards.
TEST_F(PrintMenuTest, ThePreviewShowsAsManyPagesAsThePrintedFile) {
    FakeLedgerSource source({"現金", "売掛金", "売上"});
    source.SetPostings("現金", 40);
    source.SetPostings("売上", 3);
    Answers answers;
    answers.pdfPath = folder.filePath(QStringLiteral("ledgers.pdf"));
    QPointer<PrintMenu> menu = PrintMenu::Open(source, answers.environment(), nullptr);
    menu->PushButton3->click();
    EXPECT_FALSE(menu.isNull());
    EXPECT_EQ(answers.previewPages, 3);
    menu->PushButton1->click();
    ProcessDeletions();
    EXPECT_EQ(PdfPageCount(answers.pdfPath), answers.previewPages);
}

// The platform's own print dialog, confirmed as it opens: on a machine
// without printers it writes a PDF named after the job into the home folder.
TEST_F(PrintMenuTest, PrintsThroughThePlatformsDialogWithoutAPrinter) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", folder.path().toUtf8());
    const auto confirm = [] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialog->accept();
        }
    };
    QTimer::singleShot(0, confirm);
    // Should the dialog not be found at once, the test fails instead of hanging.
    QTimer::singleShot(5000, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    FakeLedgerSource source({"現金"});
    Answers answers;
    PrintEnvironment environment = answers.environment();
    environment.choosePrinter = nullptr;
    const PrinterOutcome outcome =
        PrintThroughDialog(PrintChoice::AllAccounts, source, environment, nullptr);
    qputenv("HOME", home);
    EXPECT_TRUE(outcome.finished);
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_EQ(PdfPageCount(folder.filePath(QStringLiteral("総勘定元帳 2014年05月.pdf"))), 1);
}

TEST_F(PrintMenuTest, TheSavedPageSetupShapesThePages) {
    FakeLedgerSource source({"現金"});
    Answers answers;
    answers.pdfPath = folder.filePath(QStringLiteral("b4.pdf"));
    const QPageLayout b4(QPageSize(QPageSize::JisB4), QPageLayout::Landscape, {5, 5, 5, 5},
                         QPageLayout::Millimeter);
    Grobal::gPrintSettings = PageSetupText(b4);
    PrintThroughDialog(PrintChoice::AllAccounts, source, answers.environment(), nullptr);
    QFile file(answers.pdfPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    const QSize points = b4.fullRectPoints().size();
    EXPECT_TRUE(content.contains(QStringLiteral("/MediaBox [0 0 %1.000000 %2.000000")
                                     .arg(points.width())
                                     .arg(points.height())))
        << "JIS B4 landscape: " << points.width() << " x " << points.height();
}

}  // namespace
