#include "data_paths.h"

#include <cstdio>

#include "text_helpers.h"

namespace {

constexpr char kDataFolder[] = "振替伝票データ";
constexpr char kSettingsFolder[] = "設定";
constexpr char kAccountList[] = "勘定科目";
constexpr char kSlipPrefix[] = "振伝";
constexpr char kCarryForwardPrefix[] = "繰越";

// `folder` ending in "/" (a path that already names the folder's inside).
std::string Inside(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

std::string YearColonMonth(const std::string& monthText) {
    return MonthTextYear(monthText) + ":" + MonthTextMonth(monthText);
}

}  // namespace

std::string MonthInForceText(int year, int month) {
    // The year is read back as characters 1 to 4, so years before 1000 keep
    // their leading zeros: 999 is "0999", whose folder is "0999".
    char yearText[16];
    std::snprintf(yearText, sizeof yearText, "%04d", year);
    return yearText + std::string("年") + ZeroSup(month, 2) + "月現在";
}

std::string MonthTextYear(const std::string& monthText) { return MidCharacters(monthText, 1, 4); }

std::string MonthTextMonth(const std::string& monthText) { return MidCharacters(monthText, 6, 2); }

std::optional<std::string> MakeYearFolder(const std::string& basicPath,
                                          const std::string& monthText) {
    // Before the base folder is known nothing may be created (it would land in "/").
    if (basicPath.empty()) return std::nullopt;
    const std::optional<std::string> dataFolder = MakeFolder(basicPath + "/" + kDataFolder);
    if (!dataFolder) return std::nullopt;
    return MakeFolder(*dataFolder + "/" + MonthTextYear(monthText));
}

std::string SlipFilePath(const std::string& yearFolder, const std::string& monthText) {
    return Inside(yearFolder) + kSlipPrefix + YearColonMonth(monthText);
}

std::string CarryForwardFilePath(const std::string& yearFolder, const std::string& monthText,
                                 const std::string& departmentName) {
    return Inside(yearFolder) + departmentName + kCarryForwardPrefix + YearColonMonth(monthText);
}

std::string AccountListPath(const std::string& basicPath) {
    if (basicPath.empty()) return {};
    return Inside(basicPath) + kSettingsFolder + "/" + kAccountList;
}
