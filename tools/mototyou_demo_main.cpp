// mototyou-demo DIR [--month YYYY-MM] [--seed N]: writes a small company's
// books for the twelve months up to the given month (today's by default) into
// DIR, the folder the ledger program is started with.

#include <ctime>
#include <iostream>
#include <stdexcept>

#include "demo_books.h"
#include "demo_command_line.h"

namespace {

std::tm Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::size_t LineCount(const DemoBooks& books) {
    std::size_t lines = 0;
    for (const DemoMonthFiles& files : books.months) {
        for (const auto& slip : files.slips) lines += slip.size();
    }
    return lines;
}

void Report(const DemoOptions& options, const DemoBooks& books) {
    const DemoMonthFiles& first = books.months.front();
    std::cout << "wrote " << books.accounts.size() << " accounts and " << books.months.size()
              << " months (" << first.year << "/" << first.month << " to " << options.year << "/"
              << options.month << ", " << LineCount(books) << " slip lines) into " << options.dir
              << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::tm today = Today();
    const DemoOptions options = ParseDemoCommandLine(
        std::vector<std::string>(argv + 1, argv + argc), today.tm_year + 1900, today.tm_mon + 1);
    if (!options.error.empty()) {
        std::cerr << "mototyou-demo: " << options.error << "\n" << kDemoUsage << "\n";
        return 2;
    }
    try {
        const DemoBooks books = BuildDemoBooks(options.year, options.month, options.seed);
        WriteDemoBooks(options.dir, books);
        Report(options, books);
    } catch (const std::exception& error) {
        std::cerr << "mototyou-demo: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
