#include "page_setup_text.h"

#include <QLocale>
#include <QPrinter>
#include <QStringList>
#include <array>
#include <cmath>

namespace {

struct UnitName {
    QPageLayout::Unit unit;
    const char* name;
};

constexpr std::array<UnitName, 6> kUnitNames{{{QPageLayout::Millimeter, "mm"},
                                              {QPageLayout::Point, "pt"},
                                              {QPageLayout::Inch, "in"},
                                              {QPageLayout::Pica, "pica"},
                                              {QPageLayout::Didot, "didot"},
                                              {QPageLayout::Cicero, "cicero"}}};

// The shortest text that reads back as the same double, so that saving a
// restored layout repeats the saved text exactly.
QString NumberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<double> ReadNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString UnitText(QPageLayout::Unit unit) {
    for (const UnitName& entry : kUnitNames) {
        if (entry.unit == unit) return QString::fromLatin1(entry.name);
    }
    return QStringLiteral("pt");
}

std::optional<QPageLayout::Unit> ReadUnit(const QString& text) {
    for (const UnitName& entry : kUnitNames) {
        if (text == QLatin1String(entry.name)) return entry.unit;
    }
    return std::nullopt;
}

// The fields of a saved text by name, in the order they are written.
struct Fields {
    QString paper, size, orientation, units, margins;
};

std::optional<Fields> SplitFields(QString text) {
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
    const QStringList parts = text.split(QLatin1Char(';'));
    const std::array<const char*, 5> names{"paper", "size", "orientation", "units", "margins"};
    if (parts.size() != static_cast<qsizetype>(names.size())) return std::nullopt;
    std::array<QString, 5> values;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString prefix = QString::fromLatin1(names[i]) + QLatin1Char('=');
        if (!parts[i].startsWith(prefix)) return std::nullopt;
        values[i] = parts[i].mid(prefix.size());
    }
    return Fields{values[0], values[1], values[2], values[3], values[4]};
}

// A paper Qt knows by its key keeps its id; any other size is a custom paper
// of that many points.
std::optional<QPageSize> ReadPageSize(const QString& key, const QString& sizeText) {
    const QStringList sides = sizeText.split(QLatin1Char('x'));
    if (sides.size() != 2) return std::nullopt;
    const std::optional<double> width = ReadNumber(sides[0]);
    const std::optional<double> height = ReadNumber(sides[1]);
    if (!width || !height || *width <= 0 || *height <= 0) return std::nullopt;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto pageSizeId = static_cast<QPageSize::PageSizeId>(id);
        if (pageSizeId != QPageSize::Custom && QPageSize::key(pageSizeId) == key) {
            return QPageSize(pageSizeId);
        }
    }
    const QPageSize custom(QSizeF(*width, *height), QPageSize::Point, QString(),
                           QPageSize::ExactMatch);
    if (!custom.isValid()) return std::nullopt;
    return custom;
}

std::optional<QPageLayout::Orientation> ReadOrientation(const QString& text) {
    if (text == QLatin1String("portrait")) return QPageLayout::Portrait;
    if (text == QLatin1String("landscape")) return QPageLayout::Landscape;
    return std::nullopt;
}

std::optional<QMarginsF> ReadMargins(const QString& text) {
    const QStringList sides = text.split(QLatin1Char(','));
    if (sides.size() != 4) return std::nullopt;
    std::array<double, 4> values{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> value = ReadNumber(sides[i]);
        if (!value || *value < 0) return std::nullopt;
        values[i] = *value;
    }
    return QMarginsF(values[0], values[1], values[2], values[3]);
}

}  // namespace

std::string PageSetupText(const QPageLayout& layout) {
    const QPageSize page = layout.pageSize();
    const QSizeF points = page.size(QPageSize::Point);
    const QMarginsF margins = layout.margins();
    const QString text =
        QStringLiteral("paper=") + page.key() + QStringLiteral(";size=") +
        NumberText(points.width()) + QLatin1Char('x') + NumberText(points.height()) +
        QStringLiteral(";orientation=") +
        (layout.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                        : QStringLiteral("portrait")) +
        QStringLiteral(";units=") + UnitText(layout.units()) + QStringLiteral(";margins=") +
        NumberText(margins.left()) + QLatin1Char(',') + NumberText(margins.top()) +
        QLatin1Char(',') + NumberText(margins.right()) + QLatin1Char(',') +
        NumberText(margins.bottom());
    return text.toStdString();
}

std::optional<QPageLayout> PageLayoutFromText(const std::string& text) {
    const std::optional<Fields> fields = SplitFields(QString::fromStdString(text));
    if (!fields) return std::nullopt;
    const std::optional<QPageSize> page = ReadPageSize(fields->paper, fields->size);
    const std::optional<QPageLayout::Orientation> orientation =
        ReadOrientation(fields->orientation);
    const std::optional<QPageLayout::Unit> units = ReadUnit(fields->units);
    const std::optional<QMarginsF> margins = ReadMargins(fields->margins);
    if (!page || !orientation || !units || !margins) return std::nullopt;
    QPageLayout layout(*page, *orientation, QMarginsF(), *units);
    // Margins that leave no room on the page are refused rather than clipped.
    if (!layout.setMargins(*margins)) return std::nullopt;
    return layout;
}

QPageLayout DefaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void RestorePageSetup(QPrinter& printer, const std::string& settings) {
    printer.setPageLayout(PageLayoutFromText(settings).value_or(DefaultPageLayout()));
}
