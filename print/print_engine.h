#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "screen_offset.h"

class PageContext;

// The print layout engine: prints a ruled table line by line onto a print
// job's pages. A caller opens a layout (top offsets, line capacities, column
// widths, captions, alignments, font), adds one tab-separated line at a time,
// and finally asks for the last page's frame. The engine places each field
// in its column, counts lines and pages, and when a page is full draws its
// frame and captions and moves the job to a new page.
//
// Everything the engine draws is shifted right by gScreenX + 30 and down by
// gScreenY. The offsets are set by OpenPrint and held by the engine's guard,
// so they are 0 again once the engine (owned by one print job) is gone.
//
// Numbers given as text read as their leading number (0 when there is none)
// and real values become integers by truncation toward zero. Whatever the
// caller passes, the engine stays within its fixed tables.
class PrintEngine {
  public:
    using Integer = std::int64_t;
    static constexpr int kLastSlot = 500;
    // Fields of a table line, and columns of the geometry, that are looked at.
    static constexpr int kFieldCount = 50;
    // The shift of every x on top of gScreenX.
    static constexpr int kLeftShift = 30;

    // Opens a new document: page 1, line 1, and the layout's measures. The
    // font size is decimal text; the other layout arguments are lists
    // separated by ";" (captions by tabs).
    void OpenPrint(PageContext& page, Integer offsetX, Integer offsetY,
                   const std::string& topOffsets, const std::string& lineCapacities,
                   const std::string& columnWidths, const std::string& columnCaptions,
                   const std::string& columnAlignments, const std::string& fontName,
                   const std::string& fontSize);

    // Adds one table line (fields separated by tabs) and returns the number
    // of the page it went on. A full page is closed first.
    Integer AddPrint(PageContext& page, const std::string& line);

    // Draws the current page's frame, its body reaching down to `lineCount`,
    // and the column captions.
    void ListPrint(PageContext& page, Integer lineCount);

    // Draws `text` with its baseline at y: "L" from x, "M" spread over 60
    // units from x, "R" right-aligned on the digit pitch 80 units right of x.
    // The code is trimmed first; any other code draws as "L".
    void OutPrintP(PageContext& page, double x, double y, const std::string& text,
                   const std::string& alignment);
    void OutPlotP(PageContext& page, double x1, double y1, double x2, double y2);
    // Centres `text` between left and right; the width of its first two
    // code-page bytes stands in for the glyph height when placing the baseline.
    void CenterPrintP(PageContext& page, const std::string& text, double left, double right,
                      double top, double bottom);
    // A ruled box with vertical rules after each of the ";"-separated widths.
    void gsPrintV(PageContext& page, double x1, double y1, double x2, double y2,
                  const std::string& widths);

    // --- Layout state, read by callers to place their own drawing ----------
    std::array<Integer, 4> lHeadFootLine{};
    std::array<Integer, 2> lMaxPage{};
    std::array<Integer, 2> lPageLineNumber{};  // page number, line on the page
    Integer lSegmentNumber = 0;
    std::array<Integer, kLastSlot + 1> lSegmentSizeBuffer{};
    std::array<std::string, kLastSlot + 1> lSegmentString{};
    std::array<std::string, kLastSlot + 1> lSegmentPosition{};
    std::array<Integer, kLastSlot + 1> lSegmentSize{};
    std::string lCellSegment;
    // 0 page width, 2 cell unit, 4 line height, 6 table left, 7 table top on
    // the current page, 8 table right.
    std::array<Integer, kLastSlot + 1> lPrintData{};
    std::array<std::string, 2> lPrintFont{};

    static constexpr int kPageWidth = 0;
    static constexpr int kCellUnit = 2;
    static constexpr int kLineHeight = 4;
    static constexpr int kTableLeft = 6;
    static constexpr int kTableTop = 7;
    static constexpr int kTableRight = 8;

  private:
    void ReadColumns(const std::string& columnWidths, const std::string& columnCaptions,
                     const std::string& columnAlignments);
    void MeasureFont(PageContext& page);
    void ComputeColumnGeometry();
    void ClosePage(PageContext& page);
    void DrawField(PageContext& page, const std::string& code, Integer columnLeft, double y,
                   const std::string& field);
    Integer Capacity() const;

    ScreenOffsetGuard offsets_;
};
