#include "account_buttons.h"

#include "account_list.h"

void ReadAccountButtons(const std::string& basicPath, ButtonTables& buttons) {
    ReadKamoku(basicPath, buttons);
}
