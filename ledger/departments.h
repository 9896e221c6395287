#pragma once

#include <string>

// The department selector's entries: index 0 is the whole company, 1 to 4 the
// four departments.
inline constexpr int kLastDepartment = 4;

// The entry's text: "全体" for 0, the department's name for 1 to 4, empty text
// for any other index.
std::string DepartmentName(int departmentIndex);

// The prefix of the department's carry-forward file name: its name for 1 to 4,
// empty text for the whole company (and for any other index).
std::string CarryForwardPrefix(int departmentIndex);
