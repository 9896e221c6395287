#include "pixel_lines.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

// Both end points are drawn, whichever way round the line is given.
TEST(PixelLines, EndPointsInEitherOrder) {
    struct Case {
        const char* name;
        bool vertical;
        int from, to;
    };
    const Case cases[] = {
        {"horizontal forwards", false, 1, 15}, {"horizontal backwards", false, 15, 1},
        {"vertical forwards", true, 1, 15},    {"vertical backwards", true, 15, 1},
        {"single pixel", true, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter g(&image);
            if (c.vertical) {
                DrawVLine(g, Qt::black, 3, c.from, c.to);
            } else {
                DrawHLine(g, Qt::black, c.from, c.to, 3);
            }
        }
        const auto at = [&](int along) {
            return c.vertical ? image.pixelColor(3, along) : image.pixelColor(along, 3);
        };
        const int low = std::min(c.from, c.to);
        const int high = std::max(c.from, c.to);
        EXPECT_EQ(at(low), QColor(Qt::black));
        EXPECT_EQ(at(high), QColor(Qt::black));
        EXPECT_EQ(at(low - 1), QColor(Qt::white));
        EXPECT_EQ(at(high + 1), QColor(Qt::white));
    }
}
