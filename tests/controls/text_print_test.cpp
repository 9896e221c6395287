#include "text_print.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "offscreen_app.h"
#include "screen_font.h"
#include "screen_offset.h"

namespace {

class TextPrintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureOffscreenApp(); }
    void TearDown() override {
        gScreenX = 0;
        gScreenY = 0;
    }
};

QImage Printed(const QString& text, int x, int y) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    g.setFont(ScreenFont(QString::fromUtf8("アニト-Ｌ等幅"), 18));
    g.setPen(Qt::black);
    OutPrint(g, x, y, text);
    return image;
}

TEST_F(TextPrintTest, FirstTwoBytesAreOneWideOrTwoNarrowCharacters) {
    struct Case {
        const char* name;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"full-width", "現金", "現"},
        {"half-width", "ABC", "AB"},
        {"half-width katakana", "ｹﾞﾝｷﾝ", "ｹﾞ"},
        {"narrow then wide keeps the narrow one", "A現", "A"},
        {"single narrow", "A", "A"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FirstTwoBytes(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected));
    }
}

TEST_F(TextPrintTest, OutPrintAddsThePageOffsets) {
    const QString text = QString::fromUtf8("現金");
    const QImage plain = Printed(text, 10, 30);
    gScreenX = 7;
    gScreenY = 5;
    const QImage shifted = Printed(text, 10, 30);
    EXPECT_NE(plain, shifted);
    EXPECT_EQ(plain.copy(0, 0, 100, 50), shifted.copy(7, 5, 100, 50));
}

TEST_F(TextPrintTest, CenterPrintPutsTheBaselineHalfACharacterBelowTheMiddle) {
    QImage image(120, 60, QImage::Format_RGB32);
    QPainter g(&image);
    g.setFont(ScreenFont(QString::fromUtf8("アニト-Ｌ等幅"), 18));
    const QString text = QString::fromUtf8("現金");
    const QImage expected = Printed(text, 42, 21);  // 119 - 77, -2 + 23
    image.fill(Qt::white);
    g.setPen(Qt::black);
    CenterPrint(g, text, 119, 0, 27, -2);
    g.end();
    EXPECT_EQ(image, expected);
}

}  // namespace
