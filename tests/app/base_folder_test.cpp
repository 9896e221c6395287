#include "base_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "books_fixture.h"

namespace fs = std::filesystem;

TEST(BasicPathFor, EndsInSeparatorSoBothAppendFormsNameItemsInside) {
    const Books books;
    const fs::path& base = books.base();
    fs::create_directories(base / "設定");
    fs::create_directories(base / "振替伝票データ");

    const std::string path = BasicPathFor(base.string());

    EXPECT_EQ(path, base.string() + "/");
    EXPECT_TRUE(fs::is_directory(path + "設定"));
    EXPECT_TRUE(fs::is_directory(path + "/振替伝票データ"));
}

TEST(BasicPathFor, RelativeOptionBecomesAbsolute) {
    const std::string path = BasicPathFor("some/where");
    EXPECT_TRUE(fs::path(path).is_absolute());
    EXPECT_EQ(path.back(), '/');
    EXPECT_NE(path.find("some/where/"), std::string::npos);
}

TEST(BasicPathFor, WithoutOptionIsTheExecutablesFolder) {
    const std::string path = BasicPathFor("");
    EXPECT_EQ(path, fs::read_symlink("/proc/self/exe").parent_path().string() + "/");
}
