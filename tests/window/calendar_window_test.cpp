#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "alist.h"
#include "framed_rectangle.h"
#include "grobal.h"
#include "window_fixture.h"

namespace {

// A picker opened the way the 変更 block opens one, on May 2014, but shown
// without a modal loop so that the test can drive it.
class PickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteMayBooks(books);
        window = OpenWindow(books.basicPath());
        picker = std::make_unique<CalendarWindow>(
            *window, [] { return kMay2014; }, [] { return kFullHd; }, window.get());
        picker->open();
    }

    void ClickSheet(int panel) {
        QTest::mouseClick(picker->Calendar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(128 + 256 * panel, 128));
    }
    void Page(QPushButton* button, int times) {
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }

    Books books;
    std::unique_ptr<Mototyou> window;
    std::unique_ptr<CalendarWindow> picker;
};

bool AllEmpty(const CellTable& table) {
    for (int row = 1; row <= table.lastRow(); ++row) {
        for (int column = 1; column <= 8; ++column) {
            if (!table.at(row, column).empty()) return false;
        }
    }
    return true;
}

}  // namespace

TEST_F(PickerTest, PickerIsAFixedTitledWindowWithoutTitleBarButtons) {
    EXPECT_EQ(picker->windowTitle(), QStringLiteral("カレンダー"));
    EXPECT_EQ(picker->size(), QSize(960, 300));
    EXPECT_EQ(picker->minimumSize(), picker->maximumSize());
    EXPECT_TRUE(picker->isModal());
    const Qt::WindowFlags flags = picker->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(picker->Calendar->geometry(), QRect(96, 24, 768, 256));
    EXPECT_EQ(picker->PushButton1->geometry(), QRect(20, 24, 64, 256));
    EXPECT_EQ(picker->PushButton2->geometry(), QRect(876, 24, 64, 256));
    EXPECT_EQ(picker->PushButton1->text(), QStringLiteral("◀"));
    EXPECT_EQ(picker->PushButton2->text(), QStringLiteral("▶"));
    EXPECT_EQ(picker->PushButton1->font().family(), QStringLiteral("Osaka"));
    EXPECT_EQ(picker->PushButton2->font().pixelSize(), 24);
}

TEST(PickerPlacementTest, PickerIsCentredOnTheMainScreen) {
    struct Case {
        const char* name;
        QSize screen;
        QPoint origin;
    };
    const Case cases[] = {
        {"full HD", {1920, 1080}, {480, 390}},
        {"small screen", {1440, 900}, {240, 300}},
        {"narrower than the picker", {900, 301}, {-30, 0}},
        {"halves truncate towards zero", {963, 303}, {1, 1}},
    };
    Books books;
    auto window = OpenWindow(books.basicPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalendarWindow picker(
            *window, {}, [&] { return c.screen; }, window.get());
        // Shown with a frame, the content area stays where the rule puts it.
        picker.show();
        EXPECT_EQ(picker.geometry().topLeft(), c.origin);
        picker.hide();
    }
}

TEST_F(PickerTest, MiddleSheetAtOncePicksTodaysMonthWhateverTheLedgerShowed) {
    window->DateField->setText(QStringLiteral("2012年11月現在"));
    ClickSheet(1);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年05月現在"));
}

TEST_F(PickerTest, PagingBackTwiceThenTheRightSheetPicksTheMonthBeforeToday) {
    Page(picker->PushButton1, 2);
    ClickSheet(2);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年04月現在"));
}

TEST_F(PickerTest, PagingForwardCrossesTheYear) {
    Page(picker->PushButton2, 8);
    ClickSheet(0);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年12月現在"));
}

TEST_F(PickerTest, PickingEmptiesTheLedgerKeepsTheAccountAndCloses) {
    ClickAccount(*window, 1, 1);
    window->MainListScrollBar->setValue(5);
    ASSERT_FALSE(AllEmpty(window->MainList->Cell));
    Page(picker->PushButton2, 8);  // middle sheet January 2015
    ClickSheet(1);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2015年01月現在"));
    EXPECT_TRUE(AllEmpty(window->MainList->Cell));
    EXPECT_TRUE(AllEmpty(Grobal::gFileReadRecord));
    for (const QLabel* total :
         {window->KariTotal, window->KasiTotal, window->AllKariTotal, window->AllKasiTotal}) {
        EXPECT_EQ(total->text(), QString());
    }
    EXPECT_EQ(window->KamokuName->text(), QStringLiteral("現金"));
    EXPECT_EQ(window->MainListScrollBar->value(), 1);
    EXPECT_EQ(window->MainList->TopIndex, 1);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_EQ(picker->result(), QDialog::Accepted);
}

// The user must pick a month: neither Escape nor a close request ends it.
TEST_F(PickerTest, EscapeAndCloseLeaveThePickerOpen) {
    QTest::keyClick(picker.get(), Qt::Key_Escape);
    EXPECT_TRUE(picker->isVisible());
    picker->close();
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年05月現在"));
}

TEST_F(PickerTest, ReturnDoesNotPage) {
    QTest::keyClick(picker.get(), Qt::Key_Return);
    ClickSheet(1);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年05月現在"));
}

// The 変更 text lets the press through to the block beneath it.
TEST(ChangeBlockTest, PressOnTheChangeBlockOpensANewPicker) {
    Books books;
    WriteMayBooks(books);
    int shown = 0;
    auto pickJune = [&](CalendarWindow& picker) {
        if (++shown == 1) return PickMiddleMonth(picker);
        QTest::mouseClick(picker.Calendar, Qt::LeftButton, Qt::NoModifier, QPoint(640, 128));
    };
    auto window = OpenWindow(books.basicPath(), kMay2014, pickJune);
    const QPoint onText = ContentRect(*window, window->Label1).center();
    QWidget* pressed = window->centralWidget()->childAt(onText);
    ASSERT_EQ(pressed, window->Rectangle10);
    QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier,
                      pressed->mapFrom(window->centralWidget(), onText));
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年06月現在"));
}

TEST(QuitTest, EndButtonEndsTheProgram) {
    Books books;
    auto window = OpenWindow(books.basicPath());
    QTimer::singleShot(0, window.get(),
                       [&] { QTest::mouseClick(window->PushButton1, Qt::LeftButton); });
    // Ends the loop with another status should the button not quit, so that
    // a fault fails the test instead of hanging it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(60000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}
