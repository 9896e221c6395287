#pragma once

#include <string>

// The base folder: where the settings folder 設定 and the data folder
// 振替伝票データ lie. It is the folder that holds the executable unless the
// command line names another. The result is absolute and ends in "/", so that
// both "設定" and "/振替伝票データ" appended to it name items inside it.
std::string BasicPathFor(const std::string& baseOption);
