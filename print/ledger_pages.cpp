#include "ledger_pages.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ledger_columns.h"
#include "mac_japanese_length.h"
#include "page_context.h"
#include "text_helpers.h"

namespace {

using Integer = PrintEngine::Integer;

// The ledger layout.
constexpr const char* kTopOffsets = "20;20;20;20";
constexpr const char* kLineCapacities = "37;37";
constexpr const char* kColumnWidths = "4;9;31;5;11;11;11";
constexpr const char* kColumnCaptions = "日付\t科目\t摘　　要\t \t借方\t貸方\t残高";
constexpr const char* kColumnAlignments = "L;M;L;L;R;R;R";
constexpr const char* kMincho = "ヒラギノ明朝 Pro W3";
constexpr const char* kReisho = "ＤＦ隷書体";
constexpr const char* kLayoutFontSize = "10";
constexpr int kLastLayoutLine = 37;
// The 残高 column, from whose offset the company name is placed.
constexpr int kBalanceColumnIndex = 6;

// The grid columns printed, in the order of the printed columns.
constexpr int kPrintedColumns[] = {kDateColumn,       kCounterAccountColumn, kDescriptionColumn,
                                   kSupplementColumn, kDebitColumn,          kCreditColumn,
                                   kBalanceColumn};

constexpr const char* kMonthTotalCaption = " 　　　　　　当　月　合　計";
constexpr const char* kCumulativeCaption = "　　　　　　　　累　　計";
constexpr const char* kCompanyPrefix = "株式会社";
constexpr const char* kCompanyName = "朝霧工房";
constexpr const char* kCompanyInEnglish = "Asagiri Workshop Co.,Ltd.";
constexpr double kFooterTop = 630;
constexpr double kFooterBottom = 640;

void OpenLedgerLayout(PrintEngine& engine, PageContext& page, Integer offsetX, Integer offsetY) {
    engine.OpenPrint(page, offsetX, offsetY, kTopOffsets, kLineCapacities, kColumnWidths,
                     kColumnCaptions, kColumnAlignments, kMincho, kLayoutFontSize);
}

std::string TableLine(const CellTable& cells, int row) {
    std::string line;
    for (const int column : kPrintedColumns) {
        if (column != kDateColumn) line += '\t';
        const std::string text = Trim(cells.at(row, column));
        line += column == kCounterAccountColumn ? SetKamoku(text) : text;
    }
    return line;
}

std::string TotalLine(const char* caption, const std::string& debit, const std::string& credit) {
    return std::string("\t\t") + caption + "\t\t" + debit + "\t" + credit + "\t";
}

Integer LineOnPage(const PrintEngine& engine) { return engine.lPageLineNumber[1]; }

// Adds a line; the first line of a page brings the page's heading and footer.
void AddLedgerLine(PrintEngine& engine, PageContext& page, const LedgerPageSource& ledger,
                   const std::string& line, const std::string& title) {
    engine.AddPrint(page, line);
    if (LineOnPage(engine) == 2) HeardFootPrint(engine, page, ledger, 0, 0, title);
}

// A rule under the current line, across the table.
void RuleUnderCurrentLine(PrintEngine& engine, PageContext& page) {
    const double y = static_cast<double>(engine.lPrintData[PrintEngine::kTableTop]) +
                     static_cast<double>(LineOnPage(engine)) *
                         static_cast<double>(engine.lPrintData[PrintEngine::kLineHeight]);
    engine.OutPlotP(page, static_cast<double>(engine.lPrintData[PrintEngine::kTableLeft]), y,
                    static_cast<double>(engine.lPrintData[PrintEngine::kTableRight]), y);
}

std::vector<std::string> Characters(const std::string& name) {
    std::vector<std::string> characters;
    for (const CodedCharacter& character : MacJapaneseCharacters(name)) {
        characters.push_back(character.text);
    }
    return characters;
}

}  // namespace

// A row is in use while its description is not empty; a blank description is
// kept as an ideographic space and still prints, so the paper carries every
// posting that its balances and totals count.
bool SlipPrint(PrintEngine& engine, PageContext& page, const LedgerPageSource& ledger,
               Integer offsetX, Integer offsetY, const std::string& title) {
    OpenLedgerLayout(engine, page, offsetX, offsetY);
    for (int row = 1; row <= ledger.cells.lastRow(); ++row) {
        if (ledger.cells.at(row, kDescriptionColumn).empty()) continue;
        AddLedgerLine(engine, page, ledger, TableLine(ledger.cells, row), title);
    }
    if (LineOnPage(engine) == 1) return false;
    RuleUnderCurrentLine(engine, page);
    AddLedgerLine(engine, page, ledger,
                  TotalLine(kMonthTotalCaption, ledger.KariTotal, ledger.KasiTotal), title);
    RuleUnderCurrentLine(engine, page);
    AddLedgerLine(engine, page, ledger,
                  TotalLine(kCumulativeCaption, ledger.AllKariTotal, ledger.AllKasiTotal), title);
    engine.ListPrint(page, LineOnPage(engine));
    return true;
}

void HeardFootPrint(PrintEngine& engine, PageContext& page, const LedgerPageSource& ledger, Integer,
                    Integer, const std::string& title) {
    const double top = static_cast<double>(engine.lPrintData[PrintEngine::kTableTop]);
    const double pageWidth = static_cast<double>(engine.lPrintData[PrintEngine::kPageWidth]);
    const double balanceOffset = static_cast<double>(engine.lSegmentSize[kBalanceColumnIndex]);
    page.SetFont(kMincho, 14, false);
    engine.OutPrintP(page, static_cast<double>(engine.lPrintData[PrintEngine::kTableLeft]), top - 8,
                     MidCharacters(ledger.DateField, 1, 8) + "末現在", "L");
    page.SetFont(kReisho, 12, false);
    engine.OutPrintP(page, balanceOffset + 75, top - 8, kCompanyPrefix, "L");
    page.SetFont(kReisho, 14, false);
    engine.OutPrintP(page, balanceOffset + 130, top - 8, kCompanyName, "L");
    engine.CenterPrintP(page, kCompanyInEnglish, 0, pageWidth, kFooterTop, kFooterBottom);
    page.SetFont(kMincho, 18, true);
    engine.CenterPrintP(page, title, 0, pageWidth, top - 8, 10);
}

std::string SetKamoku(const std::string& name) {
    const std::vector<std::string> c = Characters(name);
    switch (c.size()) {
        case 2:
            return c[0] + " " + c[1];
        case 3:
            return c[0] + "\u3000" + c[1] + "\u3000" + c[2];
        case 4:
            return c[0] + " " + c[1] + " " + c[2] + " " + c[3];
        default:
            return name;
    }
}

PageExtent LedgerPageExtent(PageContext& page) {
    PrintEngine engine;
    OpenLedgerLayout(engine, page, 0, 0);
    const double shift = PrintEngine::kLeftShift;
    const double tableWidth = static_cast<double>(engine.lSegmentSize[engine.lSegmentNumber]);
    const double lineHeight = static_cast<double>(engine.lPrintData[PrintEngine::kLineHeight]);
    const double tableBottom = static_cast<double>(engine.lPrintData[PrintEngine::kTableTop]) +
                               kLastLayoutLine * lineHeight;
    page.SetFont(kReisho, 14, false);
    const double companyEnd = static_cast<double>(engine.lSegmentSize[kBalanceColumnIndex]) + 130 +
                              shift + page.TextWidth(kCompanyName);
    const double footerWidth = page.TextWidth(kCompanyInEnglish) + 2 * shift;
    const double footerBaseline =
        kFooterBottom -
        std::trunc((kFooterBottom - kFooterTop - std::trunc(page.TextWidth("As"))) / 2);
    const double footerBottom = footerBaseline + page.LineHeight() - page.TextAscent();
    // A centred table ends at its width plus the shift on either side.
    const double width = std::max({tableWidth + 2 * shift, companyEnd, footerWidth});
    return {width, std::max(tableBottom, footerBottom)};
}
