#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QPrinter>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "grobal.h"
#include "menu.h"
#include "page_setup_text.h"
#include "window_fixture.h"

namespace fs = std::filesystem;

namespace {

const QPageLayout kB4Landscape(QPageSize(QPageSize::B4), QPageLayout::Landscape,
                               QMarginsF(8, 12.5, 8, 12.5), QPageLayout::Millimeter);

std::string ReadWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWhole(const fs::path& file, const std::string& content) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

fs::path SettingsFile(const Books& books) { return books.base() / "設定" / "元帳プリンター設定"; }

// A page-setup dialog that records the layout it was opened on, and either
// confirms `chosen` or is cancelled after the user changed things anyway.
struct PageSetupSeam {
    std::optional<QPageLayout> opened;
    QPageLayout chosen = kB4Landscape;
    bool confirm = true;

    PageSetupDialogFunction function() {
        return [this](QPrinter& printer) {
            opened = printer.pageLayout();
            printer.setPageLayout(chosen);
            return confirm;
        };
    }
};

std::unique_ptr<Mototyou> OpenWithPageSetup(const Books& books, PageSetupSeam& seam) {
    return OpenWindow(books.basicPath(), kMay2014, PickMiddleMonth, kFullHd, seam.function());
}

void ChoosePageSetup() { Menu::Instance().Item(QStringLiteral("FilePageSetup"))->trigger(); }

QPageLayout RestoredLayout(const std::string& settings) {
    QPrinter printer(QPrinter::HighResolution);
    RestorePageSetup(printer, settings);
    return printer.pageLayout();
}

}  // namespace

TEST(PageSetupTest, FirstConfirmationCreatesTheFileWithTheWholeSetupAndNoLineEnd) {
    Books books;
    PageSetupSeam seam;
    auto window = OpenWithPageSetup(books, seam);
    fs::remove_all(books.base() / "設定");
    EXPECT_EQ(Grobal::gPrintSettings, "");
    ChoosePageSetup();
    ASSERT_TRUE(seam.opened.has_value());
    EXPECT_EQ(seam.opened->pageSize().id(), QPageSize::A4);
    EXPECT_EQ(seam.opened->orientation(), QPageLayout::Portrait);
    EXPECT_EQ(ReadWhole(SettingsFile(books)), PageSetupText(kB4Landscape));
    EXPECT_EQ(Grobal::gPrintSettings, PageSetupText(kB4Landscape));
}

TEST(PageSetupTest, TheNextStartLoadsTheSavedSetupAndRestoresTheSameLayout) {
    Books books;
    PageSetupSeam first;
    {
        auto window = OpenWithPageSetup(books, first);
        ChoosePageSetup();
    }
    const std::string saved = Grobal::gPrintSettings;
    Grobal::gPrintSettings.clear();

    PageSetupSeam second;
    auto restarted = OpenWithPageSetup(books, second);
    EXPECT_EQ(Grobal::gPrintSettings, saved);
    EXPECT_EQ(RestoredLayout(Grobal::gPrintSettings), RestoredLayout(PageSetupText(kB4Landscape)));
    ChoosePageSetup();
    ASSERT_TRUE(second.opened.has_value());
    EXPECT_TRUE(second.opened->isEquivalentTo(kB4Landscape));
}

TEST(PageSetupTest, CancelKeepsFileAndMemoryAsTheyWere) {
    Books books;
    const std::string earlier = PageSetupText(DefaultPageLayout());
    WriteWhole(SettingsFile(books), earlier);
    PageSetupSeam seam;
    seam.confirm = false;
    auto window = OpenWithPageSetup(books, seam);
    ChoosePageSetup();
    EXPECT_EQ(ReadWhole(SettingsFile(books)), earlier);
    EXPECT_EQ(Grobal::gPrintSettings, earlier);
}

TEST(PageSetupTest, LoadsTheFileByteForByte) {
    struct Case {
        const char* name;
        std::string content;
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
    };
    const std::string b4 = PageSetupText(kB4Landscape);
    const Case cases[] = {
        {"saved setup", b4, QPageSize::B4, QPageLayout::Landscape},
        {"ending in a line feed, as edited by hand", b4 + "\n", QPageSize::B4,
         QPageLayout::Landscape},
        {"unreadable text falls back to A4 portrait", "paper=?\n\x01\xff", QPageSize::A4,
         QPageLayout::Portrait},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Books books;
        WriteWhole(SettingsFile(books), c.content);
        PageSetupSeam seam;
        seam.confirm = false;
        auto window = OpenWithPageSetup(books, seam);
        EXPECT_EQ(Grobal::gPrintSettings, c.content);
        ChoosePageSetup();
        ASSERT_TRUE(seam.opened.has_value());
        EXPECT_EQ(seam.opened->pageSize().id(), c.paper);
        EXPECT_EQ(seam.opened->orientation(), c.orientation);
    }
}

TEST(PageSetupTest, AFailedWriteKeepsTheEarlierFileAndTheNewSetupInMemory) {
    Books books;
    // A folder where the file should be: nothing can replace it.
    fs::create_directories(SettingsFile(books) / "kept");
    PageSetupSeam seam;
    auto window = OpenWithPageSetup(books, seam);
    EXPECT_EQ(Grobal::gPrintSettings, "");
    ChoosePageSetup();
    EXPECT_TRUE(fs::is_directory(SettingsFile(books) / "kept"));
    EXPECT_EQ(Grobal::gPrintSettings, PageSetupText(kB4Landscape));
    // No temporary file is left behind in the settings folder.
    std::size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(books.base() / "設定")) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1u);
}

TEST(PageSetupTest, AReadOnlySettingsFolderKeepsTheEarlierFileByteForByte) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root from writing";
    Books books;
    const std::string earlier = PageSetupText(DefaultPageLayout());
    WriteWhole(SettingsFile(books), earlier);
    PageSetupSeam seam;
    auto window = OpenWithPageSetup(books, seam);
    fs::permissions(books.base() / "設定", fs::perms::owner_write, fs::perm_options::remove);
    ChoosePageSetup();
    fs::permissions(books.base() / "設定", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadWhole(SettingsFile(books)), earlier);
    EXPECT_EQ(Grobal::gPrintSettings, PageSetupText(kB4Landscape));
}
