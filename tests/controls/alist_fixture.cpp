#include "alist_fixture.h"

#include <QFontMetricsF>

#include "offscreen_app.h"

std::unique_ptr<aList> MakeLedgerGrid(std::vector<QString>* messages, QWidget* parent) {
    EnsureOffscreenApp();
    auto grid = std::make_unique<aList>(parent);
    grid->setGeometry(20, 58, 1058, 378);
    grid->TextFont = QStringLiteral("アニト-Ｌ等幅");
    grid->TextSize = 18;
    grid->headerheight = 18;
    grid->textheight = 0;
    if (messages != nullptr) {
        grid->setAlert([messages](const QString& message) { messages->push_back(message); });
    }
    grid->ColumnCount = 8;
    grid->RowCount = 11;
    grid->ColumnWidths(QStringLiteral("5,12,1,29,6,13,13,13"));
    grid->ColumnHeaders(QStringLiteral("日付,科目,,摘　　　要,,借方,貸方,残高"));
    grid->ColumnMasks(QStringLiteral("@,@,@,@,@,@,@"));
    grid->DrawUp(QStringLiteral("r0,l,l,l,l,l,r0"));
    grid->EditMode = 1;
    return grid;
}

namespace {
struct LedgerRow {
    const char* date;
    const char* account;
    const char* description;
    const char* debit;
    const char* credit;
    const char* balance;
};
}  // namespace

void FillLedgerRows(aList& grid) {
    const LedgerRow rows[] = {
        {"", "", "前月繰越", "", "", "    1,250,000"},
        {"    4", "売上高", "ＡＢＣ商事　４月分売上", "      330,000", "", "    1,580,000"},
        {"    8", "諸口", "消耗品購入　コピー用紙他", "", "       12,540", "    1,567,460"},
        {"   15", "普通預金", "現金引出", "      200,000", "", "    1,767,460"},
        {"   25", "給料手当", "４月分給与支給", "", "      480,000", "    1,287,460"},
    };
    int row = 1;
    for (const LedgerRow& r : rows) {
        grid.Cell.set(row, 1, r.date);
        grid.Cell.set(row, 2, r.account);
        grid.Cell.set(row, 4, r.description);
        grid.Cell.set(row, 6, r.debit);
        grid.Cell.set(row, 7, r.credit);
        grid.Cell.set(row, 8, r.balance);
        ++row;
    }
}

QImage RenderGrid(aList& grid) {
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    grid.render(&image);
    return image;
}

double GridTextHeight(const aList& grid) { return QFontMetricsF(grid.GridFont()).height(); }
