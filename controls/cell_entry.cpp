#include "cell_entry.h"

#include <algorithm>

#include "text_helpers.h"

namespace {
// QLineEdit's own default maximum length.
constexpr int kUnlimited = 32767;
}  // namespace

std::optional<int> TypingLimitFor(const QString& formatCode, int columnWidth) {
    if (formatCode.isEmpty() || formatCode == QLatin1String("l")) return columnWidth - 1;
    if (formatCode == QLatin1String("r0")) return columnWidth - 4;
    if (formatCode == QLatin1String("r1")) return columnWidth - 6;
    if (formatCode == QLatin1String("r2")) return columnWidth - 7;
    return std::nullopt;
}

int EditorMaxLength(int typingLimit, qsizetype textLength) {
    if (typingLimit <= 0) return kUnlimited;
    const qsizetype length = std::max<qsizetype>(textLength, typingLimit);
    return static_cast<int>(std::min<qsizetype>(length, kUnlimited));
}

std::string CommittedCellText(const QString& formatCode, const std::string& typed,
                              int columnWidth) {
    if (formatCode.isEmpty() || formatCode == QLatin1String("l")) return typed;
    const double value = ChangeSequence(typed);
    if (value == 0) return {};
    if (formatCode == QLatin1String("r0")) return SpaceSup(FormatAmount(value), columnWidth - 1);
    if (formatCode == QLatin1String("r1")) {
        return SpaceSup(FormatAmountOneDecimal(value), columnWidth - 1);
    }
    if (formatCode == QLatin1String("r2")) {
        return SpaceSup(FormatAmountTwoDecimals(value), columnWidth - 1);
    }
    return {};
}
