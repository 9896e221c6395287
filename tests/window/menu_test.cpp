#include "menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "aboutwindow.h"
#include "window_fixture.h"

namespace {

struct ItemRow {
    const char* name;
    const char* caption;  // "-" for a separator
    QKeySequence shortcut;
    bool enabled;  // after a menu update with the ledger window open
};

QList<QAction*> ItemsOf(const Mototyou& window, const char* menuName) {
    const QMenu* menu = window.menuBar()->findChild<QMenu*>(QString::fromLatin1(menuName));
    return menu ? menu->actions() : QList<QAction*>{};
}

void ExpectItems(const Mototyou& window, const char* menuName, const std::vector<ItemRow>& rows) {
    const QList<QAction*> items = ItemsOf(window, menuName);
    ASSERT_EQ(static_cast<std::size_t>(items.size()), rows.size()) << menuName;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        const QAction& item = *items[i];
        EXPECT_EQ(item.objectName(), QString::fromLatin1(rows[i].name));
        if (QString::fromUtf8(rows[i].caption) == QLatin1String("-")) {
            EXPECT_TRUE(item.isSeparator());
            continue;
        }
        EXPECT_EQ(item.text(), QString::fromUtf8(rows[i].caption));
        EXPECT_EQ(item.shortcut(), rows[i].shortcut);
        EXPECT_EQ(item.isEnabled(), rows[i].enabled);
    }
}

const std::vector<ItemRow> kFileMenu{
    {"FilePageSetup", "用紙設定...", {}, true},
    {"Print", "印刷...", QKeySequence(Qt::CTRL | Qt::Key_P), true},
    {"UntitledMenu3", "-", {}, false},
    {"FileQuit", "終了", QKeySequence(Qt::CTRL | Qt::Key_Q), true},
};
const std::vector<ItemRow> kEditMenu{
    {"EditUndo", "取り消し", QKeySequence(Qt::CTRL | Qt::Key_Z), false},
    {"UntitledMenu1", "-", {}, false},
    {"EditCut", "カット", QKeySequence(Qt::CTRL | Qt::Key_X), false},
    {"EditCopy", "コピー", QKeySequence(Qt::CTRL | Qt::Key_C), false},
    {"EditPaste", "ペースト", QKeySequence(Qt::CTRL | Qt::Key_V), false},
    {"EditClear", "クリア", {}, false},
    {"AppleU", "ミナセルについて...", {}, true},
};
const std::vector<ItemRow> kViewMenu{
    {"ViewPreviousMonth", "前月", QKeySequence(Qt::CTRL | Qt::Key_Left), true},
    {"ViewNextMonth", "翌月", QKeySequence(Qt::CTRL | Qt::Key_Right), true},
    {"ViewPreviousAccount", "前の科目", QKeySequence(Qt::CTRL | Qt::Key_Up), true},
    {"ViewNextAccount", "次の科目", QKeySequence(Qt::CTRL | Qt::Key_Down), true},
};

std::vector<AboutWindow*> OpenAboutBoxes() {
    std::vector<AboutWindow*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<AboutWindow*>(widget);
        if (box != nullptr && box->isVisible()) boxes.push_back(box);
    }
    return boxes;
}

// Runs the posted deletions of closed windows.
void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = OpenWindow(books.basicPath());
        window->activateWindow();
        // Shortcuts reach the active window only.
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override {
        for (AboutWindow* box : OpenAboutBoxes()) box->close();
        DeleteClosedWindows();
    }
    Books books;
    std::unique_ptr<Mototyou> window;
};

}  // namespace

TEST_F(MenuTest, BarHoldsFileEditAndViewWithTheirItemsInOrder) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル"));
    EXPECT_EQ(menus[0]->menu()->objectName(), QStringLiteral("UntitledMenu2"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("編集"));
    EXPECT_EQ(menus[1]->menu()->objectName(), QStringLiteral("UntitledMenu0"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("表示"));
    EXPECT_EQ(menus[2]->menu()->objectName(), QStringLiteral("ViewMenu"));
    ExpectItems(*window, "UntitledMenu2", kFileMenu);
    ExpectItems(*window, "UntitledMenu0", kEditMenu);
    ExpectItems(*window, "ViewMenu", kViewMenu);
    EXPECT_EQ(&Menu::Instance(), window->menuBar());
}

TEST_F(MenuTest, OpeningAMenuDisablesWhatTheWindowDoesNotEnable) {
    for (QAction* item : window->menuBar()->findChildren<QAction*>()) {
        if (!item->objectName().isEmpty()) item->setEnabled(true);
    }
    QMenu* edit = window->menuBar()->findChild<QMenu*>(QStringLiteral("UntitledMenu0"));
    edit->popup(QPoint(0, 0));
    edit->hide();
    ExpectItems(*window, "UntitledMenu2", kFileMenu);
    ExpectItems(*window, "UntitledMenu0", kEditMenu);
    ExpectItems(*window, "ViewMenu", kViewMenu);
}

TEST_F(MenuTest, AShortcutActsAfterAMenuUpdate) {
    QAction* about = Menu::Instance().Item(QStringLiteral("AppleU"));
    about->setEnabled(false);
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    about->setShortcut({});
    EXPECT_EQ(OpenAboutBoxes().size(), 1u);
}

TEST_F(MenuTest, EachAboutCommandMakesANewBoxWithTheTitleAndVersion) {
    QAction* about = Menu::Instance().Item(QStringLiteral("AppleU"));
    about->trigger();
    about->trigger();
    const std::vector<AboutWindow*> boxes = OpenAboutBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[0], boxes[1]);
    for (const AboutWindow* box : boxes) {
        EXPECT_EQ(box->AppNameText->text(), QStringLiteral("総勘定元帳"));
        EXPECT_EQ(box->VerText->text(), QStringLiteral("総勘定元帳 3.0.0"));
        EXPECT_FALSE(box->isModal());
        EXPECT_EQ(box->parentWidget(), window.get());
    }
}

TEST_F(MenuTest, ReturnPressesOkAndTheBoxGoesAway) {
    Menu::Instance().Item(QStringLiteral("AppleU"))->trigger();
    ASSERT_EQ(OpenAboutBoxes().size(), 1u);
    QPointer<AboutWindow> box = OpenAboutBoxes().front();
    EXPECT_TRUE(box->PushButton1->isDefault());
    QTest::keyClick(box.data(), Qt::Key_Return);
    EXPECT_TRUE(OpenAboutBoxes().empty());
    DeleteClosedWindows();
    EXPECT_TRUE(box.isNull());
}

TEST_F(MenuTest, AboutBoxLaysOutItsControlsOnAPlainWhiteBox) {
    Menu::Instance().Item(QStringLiteral("AppleU"))->trigger();
    ASSERT_EQ(OpenAboutBoxes().size(), 1u);
    AboutWindow& box = *OpenAboutBoxes().front();
    EXPECT_EQ(box.size(), QSize(300, 300));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(box.palette().color(QPalette::Window), QColor(Qt::white));
    // White inside a thin grey edge.
    QImage picture(box.size(), QImage::Format_RGB32);
    box.render(&picture);
    EXPECT_EQ(QColor(picture.pixel(150, 200)), QColor(Qt::white));
    EXPECT_EQ(QColor(picture.pixel(0, 150)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(QColor(picture.pixel(299, 299)), QColor(0x80, 0x80, 0x80));
    struct Case {
        const char* name;
        const QWidget* control;
        QRect rect;
        int fontSize;
    };
    const Case cases[] = {
        {"AppNameText", box.AppNameText, {50, 36, 200, 35}, 18},
        {"PushButton1", box.PushButton1, {50, 247, 200, 20}, 12},
        {"StaticText3", box.StaticText3, {50, 142, 200, 16}, 12},
        {"VerText", box.VerText, {50, 76, 200, 16}, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control->geometry(), c.rect);
        EXPECT_EQ(c.control->font().family(), QStringLiteral("Osaka"));
        EXPECT_EQ(c.control->font().pixelSize(), c.fontSize);
        // Osaka is not installed; it must land on the Japanese face it is
        // mapped to, not on whatever the font machinery falls back to.
        EXPECT_EQ(QFontInfo(c.control->font()).family(), QStringLiteral("IPAPGothic"));
    }
    EXPECT_EQ(box.PushButton1->text(), QStringLiteral("OK"));
    EXPECT_FALSE(box.StaticText3->text().isEmpty());
}

TEST_F(MenuTest, QuitEndsTheProgramAsTheEndButtonDoes) {
    QTimer::singleShot(0, window.get(),
                       [&] { QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier); });
    // Another status ends the loop should the shortcut not quit, so that a
    // fault fails the test instead of hanging it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(60000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}
