#pragma once

#include <optional>
#include <string>

// Paths of the data files, formed from the base folder (gBasicPath, ending in
// "/") and the month text "YYYY年MM月現在" (characters 1-4 the year, 6-7 the
// month). The colon in "振伝YYYY:MM" is an ordinary character of the name.

// The month text of `year` and `month` as the date label shows it: the year
// in four digits, "年", the month with a leading zero, "月現在"
// ("2015年01月現在", "0999年05月現在").
std::string MonthInForceText(int year, int month);

// Year and month parts of a month text: "2014" and "05" for "2014年05月現在".
std::string MonthTextYear(const std::string& monthText);
std::string MonthTextMonth(const std::string& monthText);

// Creates 振替伝票データ and its year folder when missing and returns the year
// folder's path ending in "/"; nothing when the base path is unusable (empty).
// The steps are MakeFolder(basicPath +
// "/振替伝票データ") then MakeFolder(that + "/" + year), with doubled "/"
// collapsed: "/Users/user/会計/" and "2014年05月現在" give
// "/Users/user/会計/振替伝票データ/2014/".
std::optional<std::string> MakeYearFolder(const std::string& basicPath,
                                          const std::string& monthText);

// year folder + "振伝YYYY:MM" (a "/" is put after a year folder that lacks it).
std::string SlipFilePath(const std::string& yearFolder, const std::string& monthText);
// year folder + departmentName + "繰越YYYY:MM"; departmentName is empty for the
// whole company.
std::string CarryForwardFilePath(const std::string& yearFolder, const std::string& monthText,
                                 const std::string& departmentName);
// base folder + "設定/勘定科目"; empty (no file) while the base folder is empty.
std::string AccountListPath(const std::string& basicPath);
