#include "print_engine.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string_view>
#include <vector>

#include "glyph_spacing.h"
#include "mac_japanese_length.h"
#include "page_context.h"
#include "text_helpers.h"

namespace {

using Integer = PrintEngine::Integer;

constexpr char kTab = '\t';
// Layout figures beyond this magnitude mean nothing on paper; clamping them
// keeps every sum and product of the layout far from overflowing.
constexpr double kLargestFigure = 1e12;
// Table lines have one font, whatever the layout names.
constexpr const char* kTableFont = "ヒラギノ明朝 Pro W3";
constexpr double kTableFontSize = 10;
// A page holds at least one table line below its caption row.
constexpr Integer kSmallestCapacity = 2;
constexpr int kLastWidthField = 255;

// Truncation toward zero; NaN reads as 0.
Integer ToInteger(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<Integer>(std::trunc(std::clamp(value, -kLargestFigure, kLargestFigure)));
}

Integer Val(const std::string& text) { return ToInteger(ParseLeadingNumber(text)); }

// Field n (from 1) of `text` split at `separator`; empty beyond the last.
std::string NthField(std::string_view text, int n, char separator) {
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string_view::npos) return {};
        start = next + 1;
    }
    const std::size_t end = text.find(separator, start);
    return std::string(text.substr(start, end == std::string_view::npos ? end : end - start));
}

// The first kFieldCount fields of a table line, and one empty field more for
// the column the drawing loop reaches beyond them; later fields are ignored.
std::vector<std::string> LineFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < PrintEngine::kFieldCount) {
        const std::size_t end = line.find(kTab, start);
        fields.push_back(line.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    fields.resize(PrintEngine::kFieldCount + 1);
    return fields;
}

// The leading whole characters that fit in two code-page bytes: one
// full-width character or up to two half-width ones. When a full-width
// character follows a half-width one, only the half-width one is measured.
std::string FirstTwoBytes(const std::string& text) {
    std::string leading;
    int bytes = 0;
    for (const CodedCharacter& character : MacJapaneseCharacters(text)) {
        if (bytes + character.bytes > 2) break;
        leading += character.text;
        bytes += character.bytes;
    }
    return leading;
}

int ToOffset(Integer value) {
    return static_cast<int>(std::clamp<Integer>(value, INT_MIN / 2, INT_MAX / 2));
}

}  // namespace

void PrintEngine::OpenPrint(PageContext& page, Integer offsetX, Integer offsetY,
                            const std::string& topOffsets, const std::string& lineCapacities,
                            const std::string& columnWidths, const std::string& columnCaptions,
                            const std::string& columnAlignments, const std::string& fontName,
                            const std::string& fontSize) {
    offsets_.Set(ToOffset(offsetX), ToOffset(offsetY));
    for (int k = 0; k < 4; ++k) lHeadFootLine[k] = Val(NthField(topOffsets, k + 1, ';'));
    for (int k = 0; k < 2; ++k) lMaxPage[k] = Val(NthField(lineCapacities, k + 1, ';'));
    lPageLineNumber = {1, 1};
    ReadColumns(columnWidths, columnCaptions, columnAlignments);
    lPrintFont = {fontName, fontSize};
    page.SetFont(fontName, static_cast<double>(Val(fontSize)), false);
    MeasureFont(page);
    ComputeColumnGeometry();
    lPrintData[kTableTop] = lHeadFootLine[0] + 20;
}

// Tables are emptied first, so that a layout with fewer columns than the
// previous one shows none of its captions or codes.
void PrintEngine::ReadColumns(const std::string& columnWidths, const std::string& columnCaptions,
                              const std::string& columnAlignments) {
    lSegmentSizeBuffer.fill(0);
    lSegmentString.fill({});
    lSegmentPosition.fill({});
    int i = 0;
    // The last slot is kept free: lSegmentSize(lSegmentNumber) is the width.
    for (; i < kLastSlot; ++i) {
        const std::string width = NthField(columnWidths, i + 1, ';');
        if (width.empty()) break;
        lSegmentSizeBuffer[i] = Val(width);
        lSegmentString[i] = NthField(columnCaptions, i + 1, kTab);
        lSegmentPosition[i] = NthField(columnAlignments, i + 1, ';');
    }
    lSegmentNumber = i;
}

void PrintEngine::MeasureFont(PageContext& page) {
    lPrintData[kPageWidth] = ToInteger(page.PageWidth());
    lPrintData[kCellUnit] = ToInteger(page.TextWidth("■") / 2 + 1);
    lPrintData[kLineHeight] = ToInteger(page.LineHeight());
}

// Every column is drawn two cells wider than its nominal width; the first
// width that is not positive ends the geometry.
void PrintEngine::ComputeColumnGeometry() {
    lCellSegment.clear();
    lSegmentSize.fill(0);
    const double unit = static_cast<double>(lPrintData[kCellUnit]);
    Integer sum = 0;
    for (int j = 0; j < kFieldCount; ++j) {
        if (lSegmentSizeBuffer[j] <= 0) {
            if (!lCellSegment.empty()) lCellSegment.pop_back();
            break;
        }
        const Integer width = ToInteger((static_cast<double>(lSegmentSizeBuffer[j]) + 2) * unit);
        lCellSegment += std::to_string(width) + ";";
        sum = ToInteger(static_cast<double>(sum) + static_cast<double>(width));
        lSegmentSize[j + 1] = sum;
    }
    const double pageWidth = static_cast<double>(lPrintData[kPageWidth]);
    lPrintData[kTableLeft] = ToInteger((pageWidth - static_cast<double>(sum)) / 2);
    lPrintData[kTableRight] =
        ToInteger(pageWidth - (pageWidth - static_cast<double>(lSegmentSize[lSegmentNumber])) / 2);
}

PrintEngine::Integer PrintEngine::Capacity() const {
    return std::max(lPageLineNumber[0] == 1 ? lMaxPage[0] : lMaxPage[1], kSmallestCapacity);
}

void PrintEngine::ClosePage(PageContext& page) {
    ListPrint(page, lPageLineNumber[1]);
    page.NextPage();
    ++lPageLineNumber[0];
    lPageLineNumber[1] = 1;
    lPrintData[kTableTop] = lHeadFootLine[2] + 20;
}

PrintEngine::Integer PrintEngine::AddPrint(PageContext& page, const std::string& line) {
    if (lPageLineNumber[1] >= Capacity()) ClosePage(page);
    const std::vector<std::string> fields = LineFields(line);
    ++lPageLineNumber[1];
    page.SetFont(kTableFont, kTableFontSize, false);
    const double y =
        static_cast<double>(lPrintData[kTableTop]) +
        static_cast<double>(lPageLineNumber[1]) * static_cast<double>(lPrintData[kLineHeight]) - 2;
    for (int i = 0; i <= kFieldCount; ++i) {
        if (lSegmentPosition[i].empty()) break;
        DrawField(page, lSegmentPosition[i], lPrintData[kTableLeft] + lSegmentSize[i], y,
                  fields[i]);
    }
    return lPageLineNumber[0];
}

// The codes are compared as they stand: a code with spaces around it, or
// any other, leaves its column empty.
void PrintEngine::DrawField(PageContext& page, const std::string& code, Integer columnLeft,
                            double y, const std::string& field) {
    const double x0 = static_cast<double>(columnLeft);
    if (code == "L") {
        OutPrintP(page, x0 + 4, y, field, "L");
    } else if (code == "M") {
        OutPrintP(page, x0 + 3, y, field, "M");
    } else if (code == "R") {
        OutPrintP(page, x0, y, field, "R");
    }
}

void PrintEngine::ListPrint(PageContext& page, Integer lineCount) {
    page.SetFont(lPrintFont[0], static_cast<double>(Val(lPrintFont[1])), false);
    const double left = static_cast<double>(lPrintData[kTableLeft]);
    const double top = static_cast<double>(lPrintData[kTableTop]);
    const double height = static_cast<double>(lPrintData[kLineHeight]);
    const double right = static_cast<double>(lPrintData[kPageWidth]) - left - 1;
    gsPrintV(page, left, top, right, top + height, lCellSegment);
    gsPrintV(page, left, top + height, right, top + static_cast<double>(lineCount) * height,
             lCellSegment);
    for (int i = 0; i <= kFieldCount; ++i) {
        const std::string& caption = lSegmentString[i];
        if (caption.empty()) break;
        CenterPrintP(page, caption, left + static_cast<double>(lSegmentSize[i]),
                     left + static_cast<double>(lSegmentSize[i + 1]) + 4, top, top + height - 2);
    }
    ++lPageLineNumber[1];
}

void PrintEngine::gsPrintV(PageContext& page, double x1, double y1, double x2, double y2,
                           const std::string& widths) {
    OutPlotP(page, x1, y1, x2, y1);
    OutPlotP(page, x1, y2, x2, y2);
    OutPlotP(page, x1, y1, x1, y2);
    double x = x1;
    for (int i = 1; i <= kLastWidthField; ++i) {
        const std::string width = NthField(widths, i, ';');
        if (width.empty()) break;
        x += static_cast<double>(Val(width));
        OutPlotP(page, x, y1, x, y2);
    }
}

void PrintEngine::OutPlotP(PageContext& page, double x1, double y1, double x2, double y2) {
    const double dx = gScreenX + kLeftShift;
    page.DrawLine(x1 + dx, y1 + gScreenY, x2 + dx, y2 + gScreenY);
}

void PrintEngine::OutPrintP(PageContext& page, double x, double y, const std::string& text,
                            const std::string& alignment) {
    const std::string code = Trim(alignment);
    const double left = x + gScreenX + kLeftShift;
    const double baseline = y + gScreenY;
    if (code == "M") {
        wDrawString(page, text, left, baseline, 60);
    } else if (code == "R") {
        // The right anchor lies 80 units right of the ordinary left position.
        rDrawString(page, text, left + 80, baseline);
    } else {
        page.DrawText(text, left, baseline);
    }
}

void PrintEngine::CenterPrintP(PageContext& page, const std::string& text, double left,
                               double right, double top, double bottom) {
    const double width = std::trunc(page.TextWidth(text));
    const double glyphHeight = std::trunc(page.TextWidth(FirstTwoBytes(text)));
    const double x = left + std::trunc((right - left - width) / 2);
    const double y = bottom - std::trunc((bottom - top - glyphHeight) / 2);
    OutPrintP(page, x, y, text, "L");
}
