#include "amount_text.h"

#include "text_helpers.h"

std::string AmountCell(double value) { return SpaceSup(FormatAmount(value), kAmountCellWidth); }
