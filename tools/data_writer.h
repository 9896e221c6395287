#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data_records.h"

// Writes the companion program's data files byte for byte as their formats lay
// them out, texts encoded to Mac Japanese. Gaps are filled with non-zero
// bytes, so a reader that interprets a gap is caught by its tests. Parent
// folders are created. Each function throws std::runtime_error when the file
// cannot be written or a text cannot be encoded in 255 bytes.

// Unicode (UTF-8) to Mac Japanese bytes; the inverse of DecodeMacJapanese.
std::string EncodeMacJapanese(const std::string& utf8);

void WriteAccountList(const std::filesystem::path& file,
                      const std::vector<AccountRecord>& accounts);
void WriteCarryForwardFile(const std::filesystem::path& file,
                           const std::vector<CarryForwardRecord>& records);
void WriteSlipFile(const std::filesystem::path& file, const std::vector<SlipLine>& lines);

// Byte images of single records, for tests that cut files short or build
// files by hand.
std::string AccountRecordBytes(const AccountRecord& account);
std::string CarryForwardRecordBytes(const CarryForwardRecord& record);
std::string SlipLineBytes(const SlipLine& line);
