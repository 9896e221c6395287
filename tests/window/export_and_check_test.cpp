// The window's CSV export and the month check's mark.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "grobal.h"
#include "menu.h"
#include "window_app.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;

// What the window showed and was told, for a test.
struct Answers {
    std::optional<CsvTarget> csvTarget;
    QString suggested;
    QStringList messages;
};

std::unique_ptr<Mototyou> OpenAnswered(const Books& books, Answers& answers) {
    EnsureWindowApp();
    Grobal::gBasicPath = books.basicPath();
    MototyouEnvironment environment{[] { return kMay2014; }, [] { return kFullHd; },
                                    PickMiddleMonth, UnexpectedPageSetup};
    environment.print.showMessage = [&answers](QWidget*, const QString& message) {
        answers.messages << message;
    };
    environment.chooseCsvFile = [&answers](QWidget*, const QString& suggested) {
        answers.suggested = suggested;
        return answers.csvTarget;
    };
    auto window = std::make_unique<Mototyou>(std::move(environment));
    window->Event_Open();
    return window;
}

std::string ReadWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExportCsv() { Menu::Instance().Item(QStringLiteral("FileExportCsv"))->trigger(); }

TEST(CsvExportTest, WritesTheLedgerOnShowUnderTheSuggestedName) {
    Books books;
    WriteMayBooks(books);
    Answers answers;
    const fs::path csv = books.base().parent_path() / "cash.csv";
    answers.csvTarget = CsvTarget{QString::fromStdString(csv.string()), CsvEncoding::Utf8};
    auto window = OpenAnswered(books, answers);
    ClickAccount(*window, 1, 1);
    ExportCsv();
    EXPECT_EQ(answers.suggested, QStringLiteral("元帳_現金_201405.csv"));
    EXPECT_TRUE(answers.messages.isEmpty());
    const std::string text = ReadWhole(csv);
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(text.find("現金,05/20,買掛金,01,買掛金支払,振込,0,8800,102200\r\n"),
              std::string::npos);
}

TEST(CsvExportTest, CancellingWritesNothingAndAFailureIsTold) {
    Books books;
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
    books.slips("2014:05", {Line("2014/05/07", "1,000", "現金", "ブランド™", "売上", "1,000")});
    Answers answers;
    auto window = OpenAnswered(books, answers);
    ClickAccount(*window, 1, 1);
    ExportCsv();
    EXPECT_TRUE(answers.messages.isEmpty());

    const fs::path csv = books.base().parent_path() / "cash.csv";
    answers.csvTarget = CsvTarget{QString::fromStdString(csv.string()), CsvEncoding::Cp932};
    ExportCsv();
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_TRUE(
        answers.messages[0].startsWith(QStringLiteral("CSVファイルを書き出せませんでした\n")));
    EXPECT_TRUE(answers.messages[0].contains(QStringLiteral("U+2122")));
    EXPECT_FALSE(fs::exists(csv));
}

TEST(CheckMarkTest, ShowsForAMonthWithFindingsAndListsThem) {
    Books books;
    books.accounts({{"現金", "0", ""}, {"売上", "1", ""}});
    books.slips("2014:05", {Line("2014/05/07", "1,000", "現金", "入金", "売上", "1,000")});
    books.carryForwards("2014:06", {{"現金", "1000", "0"}, {"売上", "0", "1000"}});
    books.slips("2014:06", {Line("2014/06/02", "1,000", "現金", "入金", "売上", "900")});
    Answers answers;
    auto window = OpenAnswered(books, answers);
    EXPECT_TRUE(window->CheckMark->isHidden());
    EXPECT_EQ(window->CheckMark->geometry(), QRect(700, 16, 28, 28));

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(window->DateField->text(), QStringLiteral("2014年06月現在"));
    EXPECT_FALSE(window->CheckMark->isHidden());
    QTest::mouseClick(window->CheckMark, Qt::LeftButton);
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_EQ(answers.messages[0].toStdString(),
              std::string("この月のデータに次の点があります。\n\n"
                          "貸借の合わない伝票　振伝2014:06 lines 1-1　debit 1,000 credit 900"));

    QTest::keyClick(window.get(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(window->CheckMark->isHidden());
}

}  // namespace
