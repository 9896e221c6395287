#include "grobal.h"

namespace Grobal {

std::string gBasicPath;
std::string gVersionString;
std::string gPrintSettings;
std::string gCompanyType;
CellTable gFileReadRecord(kRecordLastRow, kRecordLastColumn);
std::array<std::string, kAccountSlots + 1> gKamoku{};
std::array<std::array<double, 3>, kAccountSlots + 1> gKingaku{};

}  // namespace Grobal
