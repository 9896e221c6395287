#include "departments.h"

#include <array>

namespace {

const std::array<std::string, kLastDepartment + 1> kNames = {"全体", "第一部門", "第二部門",
                                                             "第三部門", "第四部門"};

bool IsDepartment(int departmentIndex) {
    return departmentIndex >= 1 && departmentIndex <= kLastDepartment;
}

}  // namespace

std::string DepartmentName(int departmentIndex) {
    if (departmentIndex < 0 || departmentIndex > kLastDepartment) return {};
    return kNames[static_cast<std::size_t>(departmentIndex)];
}

std::string CarryForwardPrefix(int departmentIndex) {
    return IsDepartment(departmentIndex) ? DepartmentName(departmentIndex) : std::string();
}
