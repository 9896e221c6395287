#pragma once

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QSizeF>

#include "page_context.h"

class QPrinter;

// A page context on a QPrinter: a real printer, a PDF file or a print
// preview. Its units are points: the painter is scaled by the resolution / 72,
// fonts are sized in points and the page width is the printable width. The
// origin is the printable area's top-left corner. Painting begins with the
// first drawing, so a job that draws nothing leaves the printer untouched.
class PainterPageContext : public PageContext {
  public:
    explicit PainterPageContext(QPrinter& printer);

    // Shrinks everything drawn uniformly about the origin so that a drawing
    // of `needed` points fits the printable area; a drawing that fits already
    // is left at full size. The page width grows to match. Call it before
    // drawing.
    void FitToPrintableArea(const QSizeF& needed);
    double FitScale() const { return fit_; }

    // Ends the job; false when the device reports a failure.
    bool Finish();

    void SetFont(const std::string& name, double size, bool bold) override;
    void SetColor(std::uint32_t rgb) override;
    double TextWidth(const std::string& text) const override;
    double LineHeight() const override;
    double TextAscent() const override;
    double PageWidth() const override;

  protected:
    void DrawTextOnPage(const std::string& text, double x, double y) override;
    void DrawLineOnPage(double x1, double y1, double x2, double y2) override;
    bool StartFirstPage() override;
    bool StartNewPage() override;

  private:
    QPrinter& printer_;
    QPainter painter_;
    QSizeF printable_;  // in points
    double fit_ = 1;
    QFont font_;
    double fontSize_ = 12;  // in points
    QPen pen_;
};
