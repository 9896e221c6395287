#include "page_context.h"

void PageContext::DrawText(const std::string& text, double x, double y) {
    if (PageForDrawing()) DrawTextOnPage(text, x, y);
}

void PageContext::DrawLine(double x1, double y1, double x2, double y2) {
    if (PageForDrawing()) DrawLineOnPage(x1, y1, x2, y2);
}

void PageContext::NextPage() {
    // Before anything is drawn the device is still on its first, empty page.
    if (pagesDrawn_ > 0) newPageAsked_ = true;
}

// Every page, the first included, is started only once something is to be
// drawn on it.
bool PageContext::PageForDrawing() {
    if (!pagesOk_) return false;
    if (pagesDrawn_ > 0 && !newPageAsked_) return true;
    pagesOk_ = pagesDrawn_ == 0 ? StartFirstPage() : StartNewPage();
    newPageAsked_ = false;
    if (pagesOk_) ++pagesDrawn_;
    return pagesOk_;
}
