#pragma once

#include <functional>
#include <string>

class QPrinter;

// The user's page setup survives from one run to the next in the file
// 設定/元帳プリンター設定 beside the program: the whole file is the page
// setup's text (page_setup_text.h), with no line end and nothing else.

// Shows the page-setup dialog for `printer`; true when the user confirmed.
using PageSetupDialogFunction = std::function<bool(QPrinter& printer)>;

// Qt's page-setup dialog, shown without a parent window.
bool RunPageSetupDialog(QPrinter& printer);

// The saved page setup under `basicPath`, byte for byte; empty text when the
// file is missing or cannot be read.
std::string LoadPageSetup(const std::string& basicPath);

// The page-setup command. Runs `dialog` on a printer restored from
// `printSettings`; when the user confirms, `printSettings` takes the new
// setup and the file is replaced with it. The file is written to a temporary
// file that then takes its place, so a failed write keeps the earlier file
// whole; the new setup then holds in memory only, and nothing is shown.
void FilePageSetup(const std::string& basicPath, std::string& printSettings,
                   const PageSetupDialogFunction& dialog);
