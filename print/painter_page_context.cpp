#include "painter_page_context.h"

#include <QFontMetricsF>
#include <QPen>
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
    : printer_(printer), printable_(printer.pageLayout().paintRect(QPageLayout::Point).size()) {
    if (!painter_.begin(&printer_)) return;
    painter_.setRenderHint(QPainter::Antialiasing);
    SetColor(0x000000);
    ApplyScale();
}

void PainterPageContext::ApplyScale() {
    painter_.resetTransform();
    painter_.scale(printer_.logicalDpiX() / kPointsPerInch * fit_,
                   printer_.logicalDpiY() / kPointsPerInch * fit_);
}

void PainterPageContext::FitToPrintableArea(const QSizeF& needed) {
    double fit = 1;
    if (needed.width() > 0) fit = std::min(fit, printable_.width() / needed.width());
    if (needed.height() > 0) fit = std::min(fit, printable_.height() / needed.height());
    fit_ = fit > 0 ? fit : 1;
    ApplyScale();
}

bool PainterPageContext::Finish() { return !painter_.isActive() || painter_.end(); }

// A font's point size is resolved against the device's resolution, and the
// painter scales again; sizing it at 72 / resolution makes `size` units.
void PainterPageContext::SetFont(const std::string& name, double size, bool bold) {
    QFont font(ToQString(name));
    const double deviceScale = printer_.logicalDpiY() / kPointsPerInch;
    fontSize_ = std::max(size, 0.01);
    font.setPointSizeF(fontSize_ / deviceScale);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    painter_.setFont(font);
}

void PainterPageContext::SetColor(std::uint32_t rgb) {
    painter_.setPen(QPen(QColor::fromRgb(rgb), kRuleWidth));
}

double PainterPageContext::TextWidth(const std::string& text) const {
    return QFontMetricsF(painter_.font(), &printer_).horizontalAdvance(ToQString(text));
}

double PainterPageContext::LineHeight() const {
    const QFontMetricsF metrics(painter_.font(), &printer_);
    return std::max(metrics.lineSpacing(), fontSize_ * kLayoutLineSpacing);
}

double PainterPageContext::TextAscent() const {
    return QFontMetricsF(painter_.font(), &printer_).ascent();
}

double PainterPageContext::PageWidth() const { return printable_.width() / fit_; }

void PainterPageContext::DrawTextOnPage(const std::string& text, double x, double y) {
    painter_.drawText(QPointF(x, y), ToQString(text));
}

void PainterPageContext::DrawLineOnPage(double x1, double y1, double x2, double y2) {
    painter_.drawLine(QLineF(x1, y1, x2, y2));
}

bool PainterPageContext::StartNewPage() { return printer_.newPage(); }
