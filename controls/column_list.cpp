#include "column_list.h"

#include <algorithm>
#include <cmath>

namespace {

// Walks `list` field by field, handing each finished field to `store(index,
// field)`. `accepts(character)` false stops the walk after storing the field
// read so far.
template <typename Store, typename Accepts>
ColumnListProblem WalkFields(const QString& list, Store store, Accepts accepts) {
    QString field;
    int index = 1;
    for (const QChar character : list) {
        if (character == QLatin1Char(',')) {
            store(index, field);
            field.clear();
            ++index;
            if (index > kGridLastColumn) return ColumnListProblem::TooManyColumns;
            continue;
        }
        if (!accepts(character)) {
            store(index, field);
            return ColumnListProblem::InvalidCharacter;
        }
        field.append(character);
    }
    store(index, field);
    return ColumnListProblem::None;
}

int WidthOf(const QString& digits) {
    double value = 0;
    for (const QChar digit : digits) value = value * 10 + (digit.unicode() - u'0');
    // Absurdly long digit strings are held at a width no screen can show.
    return static_cast<int>(std::trunc(std::min(value, 1.0e9))) + 1;
}

}  // namespace

ColumnListProblem ReadColumnTexts(const QString& list, ColumnTable<QString>& target) {
    return WalkFields(
        list, [&](int index, const QString& field) { target[index] = field; },
        [](QChar) { return true; });
}

ColumnListProblem ReadColumnWidths(const QString& list, ColumnTable<int>& target) {
    return WalkFields(
        list, [&](int index, const QString& field) { target[index] = WidthOf(field); },
        [](QChar character) { return character >= u'0' && character <= u'9'; });
}
