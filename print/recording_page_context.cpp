#include "recording_page_context.h"

#include "mac_japanese_length.h"

RecordingPageContext::RecordingPageContext(double pageWidth) : pageWidth_(pageWidth) {}

void RecordingPageContext::SetFont(const std::string& name, double size, bool bold) {
    font_ = name;
    size_ = size;
    bold_ = bold;
}

double RecordingPageContext::TextWidth(const std::string& text) const {
    return static_cast<double>(MacJapaneseByteLength(text)) * size_ / 2;
}

void RecordingPageContext::DrawTextOnPage(const std::string& text, double x, double y) {
    texts_.push_back({PagesDrawn(), text, x, y, font_, size_, bold_, color_});
}

void RecordingPageContext::DrawLineOnPage(double x1, double y1, double x2, double y2) {
    lines_.push_back({PagesDrawn(), x1, y1, x2, y2});
}

bool RecordingPageContext::StartNewPage() {
    if (!failNewPage_) return true;
    failNewPage_ = false;
    return false;
}
