#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "page_context.h"

// A page context that draws nothing and keeps every text and line with its
// page, coordinates and font, so that tests can check a layout exactly. Its
// font has round measures: a character is as wide as its length in the Mac
// Japanese code page times half the size (a full-width character one size, a
// digit half of it), the line height is 1.5 sizes and the ascent 0.88 size.
class RecordingPageContext : public PageContext {
  public:
    struct Text {
        int page = 0;
        std::string text;
        double x = 0;
        double y = 0;
        std::string font;
        double size = 0;
        bool bold = false;
        std::uint32_t color = 0;
    };
    struct Line {
        int page = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };

    explicit RecordingPageContext(double pageWidth = 756);

    void SetFont(const std::string& name, double size, bool bold) override;
    void SetColor(std::uint32_t rgb) override { color_ = rgb; }
    double TextWidth(const std::string& text) const override;
    double LineHeight() const override { return size_ * 1.5; }
    double TextAscent() const override { return size_ * 0.88; }
    double PageWidth() const override { return pageWidth_; }

    // Makes the next StartNewPage fail, as a printer that has gone away.
    void FailNextNewPage() { failNewPage_ = true; }

    const std::vector<Text>& texts() const { return texts_; }
    const std::vector<Line>& lines() const { return lines_; }

  protected:
    void DrawTextOnPage(const std::string& text, double x, double y) override;
    void DrawLineOnPage(double x1, double y1, double x2, double y2) override;
    bool StartNewPage() override;

  private:
    double pageWidth_;
    std::string font_;
    double size_ = 12;
    bool bold_ = false;
    std::uint32_t color_ = 0;
    bool failNewPage_ = false;
    std::vector<Text> texts_;
    std::vector<Line> lines_;
};
