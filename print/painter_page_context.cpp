#include "painter_page_context.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>

namespace {

constexpr double kPointsPerInch = 72;
// The page layout was made for a face whose lines are 1.5 sizes apart
// (ascent, descent and line gap); faces that set lines closer would put the
// glyphs on the rules, so lines are never closer than that.
constexpr double kLayoutLineSpacing = 1.5;
// Rules of a hairline's weight are lost on some printers; half a point
// prints as a fine, even line.
constexpr double kRuleWidth = 0.5;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

PainterPageContext::PainterPageContext(QPrinter& printer)
    : printer_(printer),
      printable_(printer.pageLayout().paintRect(QPageLayout::Point).size()),
      pen_(Qt::black, kRuleWidth) {}

void PainterPageContext::FitToPrintableArea(const QSizeF& needed) {
    double fit = 1;
    if (needed.width() > 0) fit = std::min(fit, printable_.width() / needed.width());
    if (needed.height() > 0) fit = std::min(fit, printable_.height() / needed.height());
    fit_ = fit > 0 ? fit : 1;
}

bool PainterPageContext::StartFirstPage() {
    if (!painter_.begin(&printer_)) return false;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.scale(printer_.logicalDpiX() / kPointsPerInch * fit_,
                   printer_.logicalDpiY() / kPointsPerInch * fit_);
    painter_.setFont(font_);
    painter_.setPen(pen_);
    return true;
}

bool PainterPageContext::StartNewPage() { return printer_.newPage(); }

bool PainterPageContext::Finish() { return !painter_.isActive() || painter_.end(); }

// A font's point size is resolved against the device's resolution, and the
// painter scales again; sizing it at 72 / resolution makes `size` units.
void PainterPageContext::SetFont(const std::string& name, double size, bool bold) {
    fontSize_ = std::max(size, 0.01);
    font_ = QFont(ToQString(name));
    font_.setPointSizeF(fontSize_ * kPointsPerInch / printer_.logicalDpiY());
    font_.setBold(bold);
    font_.setHintingPreference(QFont::PreferNoHinting);
    if (painter_.isActive()) painter_.setFont(font_);
}

void PainterPageContext::SetColor(std::uint32_t rgb) {
    pen_.setColor(QColor::fromRgb(rgb));
    if (painter_.isActive()) painter_.setPen(pen_);
}

double PainterPageContext::TextWidth(const std::string& text) const {
    return QFontMetricsF(font_, &printer_).horizontalAdvance(ToQString(text));
}

double PainterPageContext::LineHeight() const {
    return std::max(QFontMetricsF(font_, &printer_).lineSpacing(), fontSize_ * kLayoutLineSpacing);
}

double PainterPageContext::TextAscent() const { return QFontMetricsF(font_, &printer_).ascent(); }

double PainterPageContext::PageWidth() const { return printable_.width() / fit_; }

void PainterPageContext::DrawTextOnPage(const std::string& text, double x, double y) {
    painter_.drawText(QPointF(x, y), ToQString(text));
}

void PainterPageContext::DrawLineOnPage(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}
