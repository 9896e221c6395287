#pragma once

#include <cstdint>
#include <string>

// What the print layout engine needs of a page's graphics context. Positions
// and sizes are in the context's units (points on paper), y grows downwards
// and text is placed by its baseline. Texts are UTF-8.
//
// A context counts the pages that actually receive drawing. The device is
// opened by the first drawing, so a job that draws nothing sends nothing.
// NextPage only asks for a new page; the page starts when something is drawn
// on it, so a request after the last drawing leaves no blank sheet, and two
// requests with nothing drawn between them start one page, not two.
class PageContext {
  public:
    virtual ~PageContext() = default;

    // The font for the text that follows; `size` is in the context's units.
    virtual void SetFont(const std::string& name, double size, bool bold) = 0;
    // The colour of text and lines as 0xRRGGBB.
    virtual void SetColor(std::uint32_t rgb) = 0;

    // Measures of the current font.
    virtual double TextWidth(const std::string& text) const = 0;
    virtual double LineHeight() const = 0;
    virtual double TextAscent() const = 0;

    // The width a page's drawing has to lay itself out in.
    virtual double PageWidth() const = 0;

    // Draws `text` on one line with its baseline starting at (x, y).
    void DrawText(const std::string& text, double x, double y);
    void DrawLine(double x1, double y1, double x2, double y2);

    // Asks for the following drawing to go on a new page.
    void NextPage();

    // Pages that have received drawing so far.
    int PagesDrawn() const { return pagesDrawn_; }
    // False once opening the device or starting a new page has failed;
    // drawing after that is lost.
    bool PagesOk() const { return pagesOk_; }

  protected:
    // The device's own drawing on the current page.
    virtual void DrawTextOnPage(const std::string& text, double x, double y) = 0;
    virtual void DrawLineOnPage(double x1, double y1, double x2, double y2) = 0;
    // Opens the device on its first page; false when it cannot.
    virtual bool StartFirstPage() { return true; }
    // Moves the device to a fresh page; false when it cannot.
    virtual bool StartNewPage() = 0;

  private:
    // Starts the page the next drawing goes on; false when there is none.
    bool PageForDrawing();

    int pagesDrawn_ = 0;
    bool newPageAsked_ = false;
    bool pagesOk_ = true;
};
