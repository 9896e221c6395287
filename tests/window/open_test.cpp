#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <filesystem>

#include "alist.h"
#include "cellbutton.h"
#include "grobal.h"
#include "window_fixture.h"

namespace {

void LeavePickerUntouched(CalendarWindow&) {}

}  // namespace

TEST(OpenTest, DateFieldShowsTodaysMonthWithATwoDigitMonth) {
    struct Case {
        const char* name;
        QDate today;
        QString text;
    };
    const Case cases[] = {
        {"January", QDate(2025, 1, 31), QStringLiteral("2025年01月現在")},
        {"December", QDate(2024, 12, 1), QStringLiteral("2024年12月現在")},
        {"May", QDate(2024, 5, 15), QStringLiteral("2024年05月現在")},
    };
    Books books;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = OpenWindow(books.basicPath(), c.today, LeavePickerUntouched);
        EXPECT_EQ(window->DateField->text(), c.text);
    }
}

TEST(OpenTest, WindowIsCentredOnTheScreenWithoutClamping) {
    struct Case {
        const char* name;
        QSize screen;
        QPoint origin;
    };
    const Case cases[] = {
        {"screen lower than the window", {1440, 900}, {163, -17}},
        {"full HD", {1920, 1080}, {403, 72}},
        {"halves truncate towards zero", {1117, 938}, {1, 1}},
        {"negative halves truncate towards zero", {1111, 932}, {-1, -1}},
    };
    Books books;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = OpenWindow(books.basicPath(), kMay2014, LeavePickerUntouched, c.screen);
        // Placed by its content area, before it is shown: a frame added when
        // shown does not move it.
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->geometry().topLeft(), c.origin);
    }
}

TEST(OpenTest, SetsTheGlobalsKeepsTheBasePathAndMakesTheSettingsFolder) {
    Books books;
    ASSERT_FALSE(std::filesystem::exists(books.base() / "設定"));
    auto window = OpenWindow(books.basicPath(), kMay2014, LeavePickerUntouched);
    EXPECT_EQ(Grobal::gBasicPath, books.basicPath());
    EXPECT_TRUE(std::filesystem::is_directory(books.base() / "設定"));
    EXPECT_EQ(Grobal::gVersionString, "総勘定元帳 3.0.0");
    EXPECT_EQ(Grobal::gCompanyType, "朝霧工房");
}

TEST(OpenTest, AccountButtonsAreLaidOutAndFilledFromTheAccountList) {
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath(), kMay2014, LeavePickerUntouched);
    const CellButton& buttons = *window->MainButton;
    EXPECT_EQ(buttons.Tables().ColCount, 9);
    EXPECT_EQ(buttons.Tables().RowCount, 15);
    EXPECT_EQ(buttons.CellWidth, 119);
    EXPECT_EQ(buttons.CellHeight, 27);
    EXPECT_EQ(buttons.ButtonType, CellButton::kOneOfMany);
    EXPECT_EQ(buttons.BadName, "***");
    EXPECT_EQ(buttons.TextFont, QStringLiteral("アニト-Ｌ等幅"));
    EXPECT_EQ(buttons.TextSize, 18);
    EXPECT_EQ(buttons.Tables().ButtonName[1][1], "現金");
    EXPECT_EQ(buttons.Tables().ButtonName[1][3], "売上");
    EXPECT_EQ(buttons.Tables().ButtonColor[1][3], 2);
    EXPECT_EQ(buttons.Tables().ButtonName[1][7], "仮払消費税");
}

TEST(OpenTest, GridIsReadyOnItsFirstRowWithTheEditorOutOfSight) {
    Books books;
    auto window = OpenWindow(books.basicPath(), kMay2014, LeavePickerUntouched);
    const aList& grid = *window->MainList;
    EXPECT_EQ(grid.ColumnCount, 8);
    EXPECT_EQ(grid.ColumnWidth[4], 30);  // stored as given plus 1
    EXPECT_EQ(grid.Header[4], QStringLiteral("摘　　　要"));
    EXPECT_EQ(grid.Header[8], QStringLiteral("残高"));
    EXPECT_EQ(grid.ColumnDrawUp[7], QStringLiteral("r0"));
    EXPECT_EQ(grid.EditMode, 1);
    EXPECT_EQ(grid.TextField, window->MainListField);
    EXPECT_EQ(grid.ScrollBar, window->MainListScrollBar);
    // The range narrowed once the bar was assigned: 2000 less the page step.
    EXPECT_EQ(window->MainListScrollBar->minimum(), 1);
    EXPECT_EQ(window->MainListScrollBar->maximum(), 1990);
    EXPECT_EQ(window->MainListScrollBar->value(), 1);
    EXPECT_EQ(grid.TopIndex, 1);
    EXPECT_EQ(window->MainListField->y(), -100);
    EXPECT_FALSE(window->MainListField->isEnabled());
    EXPECT_EQ(window->PopupMenu1->currentIndex(), 0);
}

// The picker comes last: by then the month is written and the buttons are
// filled, and it opens on today's month whatever the ledger shows.
TEST(OpenTest, OpeningEndsWithThePickerOnTodaysMonth) {
    Books books;
    WriteMayBooks(books);
    int shown = 0;
    Mototyou* opening = nullptr;
    auto picker = [&](CalendarWindow& p) {
        ++shown;
        EXPECT_EQ(p.Calendar->Year(), 2025);
        EXPECT_EQ(p.Calendar->Month(), 1);
        ASSERT_NE(opening = qobject_cast<Mototyou*>(p.parentWidget()), nullptr);
        EXPECT_EQ(opening->DateField->text(), QStringLiteral("2025年01月現在"));
        EXPECT_EQ(opening->MainButton->Tables().ButtonName[1][1], "現金");
        EXPECT_EQ(opening->MainListField->y(), -100);
    };
    auto window = OpenWindow(books.basicPath(), QDate(2025, 1, 9), picker);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(opening, window.get());
}

TEST(OpenTest, AfterOpeningTheLedgerIsEmptyAndTheMonthIsTheOnePicked) {
    Books books;
    WriteMayBooks(books);
    auto window = OpenWindow(books.basicPath());
    EXPECT_EQ(window->DateField->text(), QStringLiteral("2014年05月現在"));
    EXPECT_EQ(window->KamokuName->text(), QString());
    EXPECT_EQ(window->MainList->Cell.at(1, 4), "");
    EXPECT_EQ(window->KariTotal->text(), QString());
}
