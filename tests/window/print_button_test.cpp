#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "alist.h"
#include "grobal.h"
#include "printmenu.h"
#include "screen_offset.h"
#include "window_app.h"
#include "window_fixture.h"

namespace {

// The print dialog's surroundings for a test: the platform's print dialog
// prints into a PDF file in a folder of the test's own; messages are kept.
struct PrintAnswers {
    QTemporaryDir folder;
    QString pdfPath = folder.filePath(QStringLiteral("ledgers.pdf"));
    QStringList messages;

    PrintEnvironment environment() {
        return {[this](QPrinter& printer, QWidget*) {
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(pdfPath);
                    return true;
                },
                [this](QWidget*, const QString& message) { messages << message; },
                {}};
    }
};

std::unique_ptr<Mototyou> OpenPrintingWindow(const Books& books, PrintAnswers& answers) {
    EnsureWindowApp();
    Grobal::gBasicPath = books.basicPath();
    Grobal::gPrintSettings.clear();
    MototyouEnvironment environment{[] { return kMay2014; }, [] { return kFullHd; },
                                    PickMiddleMonth, UnexpectedPageSetup};
    environment.print = answers.environment();
    auto window = std::make_unique<Mototyou>(std::move(environment));
    window->Event_Open();
    return window;
}

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(
        content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QList<PrintMenu*> OpenDialogs(const Mototyou& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.findChildren<PrintMenu*>();
}

// Clicks 印刷, picks a choice in the dialog it opens and clicks 印刷....
void PrintFromTheWindow(Mototyou& window, QRadioButton* PrintMenu::*choice) {
    QTest::mouseClick(window.PushButton2, Qt::LeftButton);
    const QList<PrintMenu*> dialogs = OpenDialogs(window);
    ASSERT_EQ(dialogs.size(), 1);
    (dialogs.front()->*choice)->setChecked(true);
    QTest::mouseClick(dialogs.front()->PushButton1, Qt::LeftButton);
}

class PrintButtonTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteMayBooks(books); }

    Books books;
    PrintAnswers answers;
};

TEST_F(PrintButtonTest, OpensANewModalPrintDialogEachTimeWithoutWaiting) {
    auto window = OpenPrintingWindow(books, answers);
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        QTest::mouseClick(window->PushButton2, Qt::LeftButton);
        const QList<PrintMenu*> dialogs = OpenDialogs(*window);
        ASSERT_EQ(dialogs.size(), 1);
        EXPECT_TRUE(dialogs.front()->isVisible());
        EXPECT_EQ(dialogs.front()->windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(dialogs.front()->RadioButton1->isChecked());
        QTest::mouseClick(dialogs.front()->PushButton2, Qt::LeftButton);
        EXPECT_TRUE(OpenDialogs(*window).isEmpty());
    }
    EXPECT_FALSE(QFile::exists(answers.pdfPath));
}

// The walk loads every account into the window as a click would, but leaves
// the name on show, the grid's scroll position and the offsets as they were.
TEST_F(PrintButtonTest, EveryAccountPrintsAndTheWindowKeepsTheNameOnShow) {
    auto window = OpenPrintingWindow(books, answers);
    ClickAccount(*window, 1, 1);
    const int scrolled = window->MainListScrollBar->value();
    PrintFromTheWindow(*window, &PrintMenu::RadioButton2);
    EXPECT_TRUE(OpenDialogs(*window).isEmpty());
    EXPECT_TRUE(answers.messages.isEmpty());
    // 現金, 売掛金, 売上, 仕入, 買掛金 and 仮払消費税: the *** button is
    // skipped and the unnamed one ends the walk.
    EXPECT_EQ(PdfPageCount(answers.pdfPath), 6);
    EXPECT_EQ(window->KamokuName->text(), QStringLiteral("現金"));
    EXPECT_EQ(window->MainList->Cell.at(2, 4), "消費税") << "the last account walked";
    EXPECT_EQ(window->KariTotal->text(), QStringLiteral("800"));
    EXPECT_EQ(window->MainListScrollBar->value(), scrolled);
    EXPECT_EQ(gScreenX, 0);
    EXPECT_EQ(gScreenY, 0);
}

TEST_F(PrintButtonTest, TheDefaultChoicePrintsTheAccountsWithPostings) {
    auto window = OpenPrintingWindow(books, answers);
    PrintFromTheWindow(*window, &PrintMenu::RadioButton1);
    // 売掛金 has no posting in May.
    EXPECT_EQ(PdfPageCount(answers.pdfPath), 5);
}

TEST_F(PrintButtonTest, TheAccountOnShowPrintsAsItStands) {
    auto window = OpenPrintingWindow(books, answers);
    ClickAccount(*window, 1, 3);
    window->MainList->Cell.set(2, 4, "edited on screen");
    PrintFromTheWindow(*window, &PrintMenu::RadioButton3);
    EXPECT_EQ(PdfPageCount(answers.pdfPath), 1);
    EXPECT_EQ(window->MainList->Cell.at(2, 4), "edited on screen") << "nothing is reloaded";
}

TEST_F(PrintButtonTest, AnEmptyGridPrintsNothing) {
    auto window = OpenPrintingWindow(books, answers);
    PrintFromTheWindow(*window, &PrintMenu::RadioButton3);
    EXPECT_TRUE(OpenDialogs(*window).isEmpty());
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(answers.pdfPath));
}

}  // namespace
