#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "alist.h"
#include "cellbutton.h"
#include "framed_rectangle.h"
#include "mototyou.h"
#include "window_app.h"
#include "window_fixture.h"

namespace {

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureWindowApp();
        window = std::make_unique<Mototyou>();
    }
    std::unique_ptr<Mototyou> window;
};

const QString kAnitoL = QStringLiteral("アニト-Ｌ等幅");

QImage RenderContent(Mototyou& window) {
    QImage image(window.centralWidget()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    window.centralWidget()->render(&image);
    return image;
}

}  // namespace

TEST_F(LayoutTest, EveryControlStandsWhereTheLayoutPutsIt) {
    struct Case {
        const char* name;
        const QWidget* control;
        QRect rect;
    };
    const Mototyou& w = *window;
    const Case cases[] = {
        {"PushButton2", w.PushButton2, {877, 14, 96, 32}},
        {"PushButton1", w.PushButton1, {998, 14, 96, 32}},
        {"MainList", w.MainList, {20, 58, 1058, 378}},
        {"MainListField", w.MainListField, {20, 81, 80, 16}},
        {"MainListScrollBar", w.MainListScrollBar, {1078, 58, 16, 378}},
        {"Rectangle2", w.Rectangle2, {740, 471, 142, 24}},
        {"AllKasiTotal", w.AllKasiTotal, {743, 473, 120, 22}},
        {"Rectangle4", w.Rectangle4, {599, 471, 142, 24}},
        {"AllKariTotal", w.AllKariTotal, {612, 473, 108, 22}},
        {"Rectangle6", w.Rectangle6, {740, 448, 142, 24}},
        {"KasiTotal", w.KasiTotal, {743, 450, 120, 22}},
        {"Rectangle8", w.Rectangle8, {599, 448, 142, 24}},
        {"KariTotal", w.KariTotal, {612, 450, 108, 22}},
        {"MainButton", w.MainButton, {20, 507, 1074, 408}},
        {"KamokuName", w.KamokuName, {20, 16, 194, 34}},
        {"PopupMenu1", w.PopupMenu1, {234, -56, 128, 32}},
        {"Rectangle9", w.Rectangle9, {425, 14, 265, 32}},
        {"DateField", w.DateField, {431, 19, 196, 26}},
        {"Rectangle10", w.Rectangle10, {629, 14, 61, 32}},
        {"Label1", w.Label1, {637, 20, 44, 20}},
        {"StaticText1", w.StaticText1, {425, 471, 160, 24}},
        {"StaticText5", w.StaticText5, {425, 448, 160, 24}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ContentRect(w, c.control), c.rect);
    }
}

TEST_F(LayoutTest, TotalsSitInsideTheirBoxesAndTheEditorInsideTheGrid) {
    struct Case {
        const char* name;
        const QWidget* inner;
        const QWidget* outer;
    };
    const Mototyou& w = *window;
    const Case cases[] = {
        {"AllKasiTotal", w.AllKasiTotal, w.Rectangle2},
        {"AllKariTotal", w.AllKariTotal, w.Rectangle4},
        {"KasiTotal", w.KasiTotal, w.Rectangle6},
        {"KariTotal", w.KariTotal, w.Rectangle8},
        {"DateField", w.DateField, w.Rectangle9},
        {"Label1", w.Label1, w.Rectangle10},
        {"MainListField", w.MainListField, w.MainList},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.inner->parentWidget(), c.outer);
    }
}

TEST_F(LayoutTest, LabelsAndButtonsUseTheirFontsColoursAndTexts) {
    struct Case {
        const char* name;
        const QWidget* control;
        QString family;
        int pixelSize;
        QColor color;
        QString text;
    };
    const QColor grey(0x59, 0x59, 0x59);
    const QString smallL = QStringLiteral("アニト-ｌ等幅");
    const Mototyou& w = *window;
    const Case cases[] = {
        {"PushButton2", w.PushButton2, smallL, 16, Qt::black, QStringLiteral("印刷")},
        {"PushButton1", w.PushButton1, smallL, 16, Qt::black, QStringLiteral("終了")},
        {"MainListField", w.MainListField, QStringLiteral("Osaka−等幅"), 12, Qt::black, {}},
        {"AllKasiTotal", w.AllKasiTotal, kAnitoL, 18, Qt::black, {}},
        {"KariTotal", w.KariTotal, kAnitoL, 18, Qt::black, {}},
        {"KamokuName", w.KamokuName, kAnitoL, 32, Qt::black, {}},
        {"PopupMenu1", w.PopupMenu1, kAnitoL, 16, Qt::black, {}},
        {"DateField", w.DateField, kAnitoL, 24, Qt::black, {}},
        {"Label1", w.Label1, QStringLiteral("アニト-Ｍ等幅"), 16, Qt::white,
         QStringLiteral("変更")},
        {"StaticText1", w.StaticText1, kAnitoL, 18, grey, QStringLiteral("累　　計")},
        {"StaticText5", w.StaticText5, kAnitoL, 18, grey, QStringLiteral("当月合計")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control->font().family(), c.family);
        EXPECT_EQ(c.control->font().pixelSize(), c.pixelSize);
        if (const auto* label = qobject_cast<const QLabel*>(c.control)) {
            EXPECT_EQ(label->palette().color(QPalette::WindowText), c.color);
            EXPECT_EQ(label->text(), c.text);
        } else if (const auto* button = qobject_cast<const QPushButton*>(c.control)) {
            EXPECT_EQ(button->text(), c.text);
        }
    }
    EXPECT_EQ(w.MainList->TextFont, kAnitoL);
    EXPECT_EQ(w.MainList->TextSize, 18);
    EXPECT_EQ(w.MainList->headerheight, 18);
}

TEST_F(LayoutTest, TextsAlignAsTheLayoutSays) {
    struct Case {
        const char* name;
        const QLabel* label;
        Qt::Alignment horizontal;
    };
    const Mototyou& w = *window;
    const Case cases[] = {
        {"KamokuName", w.KamokuName, Qt::AlignLeft},
        {"DateField", w.DateField, Qt::AlignHCenter},
        {"Label1", w.Label1, Qt::AlignHCenter},
        {"KariTotal", w.KariTotal, Qt::AlignRight},
        {"AllKasiTotal", w.AllKasiTotal, Qt::AlignRight},
        {"StaticText1", w.StaticText1, Qt::AlignRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.label->alignment() & Qt::AlignHorizontal_Mask, c.horizontal);
    }
}

TEST_F(LayoutTest, WindowHasItsTitleAFixedSizeAndNoTitleBarButtons) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("総勘定元帳"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(1114, 935));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The menu bar stands above the content, inside the window.
    EXPECT_EQ(window->size(), QSize(1114, 935 + window->menuBar()->height()));
    EXPECT_EQ(window->centralWidget()->geometry().topLeft(),
              QPoint(0, window->menuBar()->height()));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(LayoutTest, DepartmentMenuLiesAboveTheVisibleAreaOnTheWholeCompany) {
    EXPECT_LT(ContentRect(*window, window->PopupMenu1).bottom(), 0);
    ASSERT_EQ(window->PopupMenu1->count(), 5);
    EXPECT_EQ(window->PopupMenu1->itemText(0), QStringLiteral("全体"));
    EXPECT_EQ(window->PopupMenu1->currentIndex(), 0);
}

TEST(DepartmentMenuTest, NeitherTabNorTheArrowKeysReachIt) {
    Books books;
    auto window = OpenWindow(books.basicPath());
    window->activateWindow();
    for (int press = 0; press < 12; ++press) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), window->PopupMenu1);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_PageDown}) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : window.get(), key);
        }
    }
    QTest::keyClick(window->PopupMenu1, Qt::Key_Down);
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->PopupMenu1, &wheel);
    EXPECT_EQ(window->PopupMenu1->currentIndex(), 0);
    EXPECT_EQ(window->PopupMenu1->currentText(), QStringLiteral("全体"));
}

TEST_F(LayoutTest, GridEditorIsHiddenDisabledAndNeverFocused) {
    EXPECT_TRUE(window->MainListField->isHidden());
    EXPECT_FALSE(window->MainListField->isEnabled());
    EXPECT_EQ(window->MainList->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window->MainButton->focusPolicy(), Qt::NoFocus);
}

TEST_F(LayoutTest, ScrollBarStartsOnTheWholeLayoutRange) {
    const QScrollBar& bar = *window->MainListScrollBar;
    EXPECT_EQ(bar.orientation(), Qt::Vertical);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 2000);
    EXPECT_EQ(bar.singleStep(), 1);
    EXPECT_EQ(bar.pageStep(), 10);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_TRUE(bar.hasTracking());
}

// Painted, so stacking faults show: the 変更 block covers the month frame's
// right end, and the totals' boxes have their borders and fills.
TEST_F(LayoutTest, RectanglesPaintTheirBordersAndFills) {
    struct Case {
        const char* name;
        QPoint at;
        QColor color;
    };
    const QColor grey(0x59, 0x59, 0x59), totalGrey(0xD8, 0xD8, 0xD8), frameFill(0xF2, 0xF2, 0xF2);
    const Case cases[] = {
        {"Rectangle8 border", {599, 448}, Qt::black},
        {"Rectangle8 fill", {603, 460}, totalGrey},
        {"Rectangle6 fill", {880, 452}, totalGrey},
        {"Rectangle4 border", {599, 494}, Qt::black},
        {"Rectangle4 fill", {603, 483}, Qt::white},
        {"Rectangle2 right border", {881, 480}, Qt::black},
        {"Rectangle9 two-pixel border", {426, 30}, grey},
        {"Rectangle9 fill", {428, 30}, frameFill},
        {"Rectangle10 over the frame's right end", {688, 30}, grey},
        {"Rectangle10 fill", {632, 43}, grey},
    };
    const QImage image = RenderContent(*window);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QColor(image.pixel(c.at)), c.color);
    }
}
