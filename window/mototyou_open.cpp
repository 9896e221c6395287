// The ledger window's start-up sequence.
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "account_list.h"
#include "alist.h"
#include "cellbutton.h"
#include "data_paths.h"
#include "grobal.h"
#include "layout_fonts.h"
#include "mototyou.h"
#include "page_setup.h"
#include "text_helpers.h"

namespace {

constexpr int kHiddenTop = -100;

}  // namespace

void Mototyou::Event_Open() {
    CentreOnScreen();
    show();
    // gBasicPath is already set: main takes it from --base or the executable's
    // folder before the window exists, and every file below is found from it.
    MakeFolder(Grobal::gBasicPath + "設定");
    Grobal::gPrintSettings = LoadPageSetup(Grobal::gBasicPath);
    Grobal::gVersionString = "総勘定元帳 " + QCoreApplication::applicationVersion().toStdString();
    Grobal::gCompanyType = "朝霧工房";
    const QDate today = environment_.today ? environment_.today() : QDate::currentDate();
    DateField->setText(QString::fromStdString(MonthInForceText(today.year(), today.month())));
    ConfigureMainList();
    ConfigureMainButton();
    ReadKamoku(Grobal::gBasicPath, MainButton->Tables());
    PopupMenu1->setCurrentIndex(0);
    MainList->MoveCell(1, 1);
    MainListField->move(MainListField->x(), kHiddenTop);
    // Every run begins with the user confirming or choosing the month.
    ShowMonthPicker();
}

// The window is placed by its content area, menu bar included, before it is
// shown, so that a window manager's frame does not move it; the rule counts
// the content's layout size only.
void Mototyou::CentreOnScreen() {
    const QSize screen = environment_.screenSize ? environment_.screenSize() : MainScreenSize();
    setGeometry(QRect(CentredOrigin(screen, content_->size()), size()));
    // Qt counts only a changed position as placed: without this a window
    // centred at (0, 0) would be left for the platform to place.
    setAttribute(Qt::WA_Moved);
}

// The mask and draw lists have seven entries for eight columns; the grid
// treats the missing eighth as empty.
void Mototyou::ConfigureMainList() {
    MainList->ColumnCount = 8;
    MainList->RowCount = 11;
    MainList->ColumnWidths(QStringLiteral("5,12,1,29,6,13,13,13"));
    MainList->ColumnHeaders(QStringLiteral("日付,科目,,摘　　　要,,借方,貸方,残高"));
    MainList->ColumnMasks(QStringLiteral("@,@,@,@,@,@,@"));
    MainList->DrawUp(QStringLiteral("r0,l,l,l,l,l,r0"));
    MainList->TextField = MainListField;
    MainList->ScrollBar = MainListScrollBar;
    // Row mode: the grid never opens its editor.
    MainList->EditMode = 1;
    MainList->GetReady();
    readyScrollMaximum_ = MainListScrollBar->maximum();
}

// 135 buttons of 119 x 27 pixels: the control's size shared out, truncated.
void Mototyou::ConfigureMainButton() {
    ButtonTables& tables = MainButton->Tables();
    tables.ColCount = 9;
    tables.RowCount = 15;
    MainButton->TextFont = kAnitoL;
    MainButton->TextSize = 18;
    MainButton->CellWidth =
        static_cast<int>(MainButton->width() / static_cast<double>(tables.ColCount));
    MainButton->CellHeight =
        static_cast<int>(MainButton->height() / static_cast<double>(tables.RowCount));
    MainButton->ButtonType = CellButton::kOneOfMany;
    // Buttons with this name cannot be pressed.
    MainButton->BadName = kInertAccountName;
}

// A new picker every time: it keeps nothing between showings.
void Mototyou::ShowMonthPicker() {
    CalendarWindow picker(*this, environment_.today, environment_.screenSize, this);
    if (environment_.runPicker) {
        environment_.runPicker(picker);
    } else {
        picker.exec();
    }
}
