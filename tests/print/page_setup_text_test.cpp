#include "page_setup_text.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "offscreen_app.h"

namespace {

QPageLayout Layout(const QPageSize& page, QPageLayout::Orientation orientation,
                   const QMarginsF& margins, QPageLayout::Unit units) {
    return QPageLayout(page, orientation, margins, units);
}

TEST(PageSetupText, ReadsBackTheLayoutItWroteAndWritesTheSameTextAgain) {
    struct Case {
        const char* name;
        QPageLayout layout;
    };
    const Case cases[] = {
        {"A4 portrait in mm", Layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     {10, 10, 10, 10}, QPageLayout::Millimeter)},
        {"B4 landscape, uneven margins", Layout(QPageSize(QPageSize::B4), QPageLayout::Landscape,
                                                {12.7, 5.5, 0, 20.25}, QPageLayout::Millimeter)},
        {"Letter in inches", Layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                    {0.5, 0.75, 0.5, 1.0 / 3.0}, QPageLayout::Inch)},
        {"custom paper in points",
         Layout(
             QPageSize(QSizeF(700.5, 990.25), QPageSize::Point, QString(), QPageSize::ExactMatch),
             QPageLayout::Portrait, {36, 36, 36, 36}, QPageLayout::Point)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = PageSetupText(c.layout);
        const std::optional<QPageLayout> restored = PageLayoutFromText(text);
        ASSERT_TRUE(restored.has_value()) << text;
        EXPECT_EQ(*restored, c.layout) << text;
        EXPECT_EQ(PageSetupText(*restored), text);
    }
}

TEST(PageSetupText, NamesPaperSizeOrientationUnitsAndMargins) {
    EXPECT_EQ(PageSetupText(DefaultPageLayout()),
              "paper=A4;size=595x842;orientation=portrait;units=mm;margins=10,10,10,10");
}

TEST(PageSetupText, ToleratesATrailingLineEnd) {
    const std::string text = PageSetupText(DefaultPageLayout());
    for (const std::string& edited : {text + "\n", text + "\r\n"}) {
        ASSERT_TRUE(PageLayoutFromText(edited).has_value()) << edited;
        EXPECT_EQ(*PageLayoutFromText(edited), DefaultPageLayout());
    }
}

TEST(PageSetupText, RefusesTextItDidNotWrite) {
    const char* const cases[] = {
        "",
        "A4",
        "\n",
        "paper=A4;size=595x842;orientation=portrait;units=mm",
        "paper=A4;size=595x842;orientation=sideways;units=mm;margins=10,10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=furlong;margins=10,10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=mm;margins=10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=mm;margins=-1,10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=mm;margins=nan,10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=mm;margins=250,10,10,10",
        "paper=Custom;size=0x842;orientation=portrait;units=pt;margins=0,0,0,0",
        "paper=Custom;size=axb;orientation=portrait;units=pt;margins=0,0,0,0",
        "size=595x842;paper=A4;orientation=portrait;units=mm;margins=10,10,10,10",
        "paper=A4;size=595x842;orientation=portrait;units=mm;margins=10,10,10,10;extra=1",
        "@PageSetup(binary data from another program)",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(PageLayoutFromText(text).has_value()) << text;
    }
}

TEST(PageSetupText, RestoresThePrinterOrFallsBackToA4Portrait) {
    EnsureOffscreenApp();
    const QPageLayout b4 = Layout(QPageSize(QPageSize::B4), QPageLayout::Landscape, {5, 5, 5, 5},
                                  QPageLayout::Millimeter);
    QPrinter saved(QPrinter::HighResolution);
    saved.setOutputFormat(QPrinter::PdfFormat);
    RestorePageSetup(saved, PageSetupText(b4));
    EXPECT_EQ(saved.pageLayout().pageSize().id(), QPageSize::B4);
    EXPECT_EQ(saved.pageLayout().orientation(), QPageLayout::Landscape);

    QPrinter unreadable(QPrinter::HighResolution);
    unreadable.setOutputFormat(QPrinter::PdfFormat);
    RestorePageSetup(unreadable, "written by hand");
    EXPECT_EQ(unreadable.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(unreadable.pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
