#pragma once

#include <ostream>
#include <string>

#include "command_line.h"

// --pdf FILE with --month YYYY-MM and --print: prints the month's ledgers
// into a PDF file with the print dialog's job and no dialog. --print posted
// (the default) prints the accounts with postings in the month, all every
// account, any other value that account's ledger as a click loads it. The
// page setup saved in 設定/元帳プリンター設定 is used, else A4 portrait.
// Needs an application object (the offscreen platform will do).
//
// Writes one line on `err`: how many ledgers and pages went where, or why no
// file was written. Returns 0, or 2 for an unknown account or a file that
// cannot be written; the file then stays as it was.
int RunPdfCommand(const CommandLine& options, const std::string& basicPath, std::ostream& err);

// Keeps Qt's own notes (a missing runtime folder, font fallbacks) off stderr,
// so that the command's one line is all a caller sees; critical and fatal
// messages still show.
void KeepQtNotesOffStderr();
