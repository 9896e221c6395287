#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>
#include <string>

#include "button_tables.h"
#include "calendarwindow.h"
#include "ledger_view.h"
#include "monthcalendarclass.h"
#include "page_setup.h"
#include "screen_centre.h"

class aList;
class CellButton;
class FramedRectangle;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// What the ledger window takes from its surroundings; tests fix them all.
struct MototyouEnvironment {
    // Today's date; the system date when empty.
    MonthCalendarClass::Clock today;
    // The main screen's full size; the real screen when empty.
    ScreenSizeFunction screenSize;
    // Shows a month picker and returns once it has closed; exec() when empty.
    std::function<void(CalendarWindow&)> runPicker;
    // Shows the page-setup dialog; Qt's own when empty.
    PageSetupDialogFunction runPageSetup;
};

// The ledger window: the program's one main window. It shows one account's
// ledger for one month with its totals, the month in force and the account
// buttons, and it is the program's shared state: everything it knows lives
// in its controls, which the ledger, picker and print code read and write.
class Mototyou : public QMainWindow, public MonthTarget {
    Q_OBJECT
  public:
    explicit Mototyou(MototyouEnvironment environment = {}, QWidget* parent = nullptr);

    // --- Controls, in creation order (later ones lie above earlier ones) ----
    QPushButton* PushButton2 = nullptr;  // 印刷
    QPushButton* PushButton1 = nullptr;  // 終了
    aList* MainList = nullptr;
    QLineEdit* MainListField = nullptr;  // the grid's editor, never shown
    QScrollBar* MainListScrollBar = nullptr;
    FramedRectangle* Rectangle2 = nullptr;
    QLabel* AllKasiTotal = nullptr;
    FramedRectangle* Rectangle4 = nullptr;
    QLabel* AllKariTotal = nullptr;
    FramedRectangle* Rectangle6 = nullptr;
    QLabel* KasiTotal = nullptr;
    FramedRectangle* Rectangle8 = nullptr;
    QLabel* KariTotal = nullptr;
    CellButton* MainButton = nullptr;
    QLabel* KamokuName = nullptr;
    QComboBox* PopupMenu1 = nullptr;  // department; stays on 全体
    FramedRectangle* Rectangle9 = nullptr;
    QLabel* DateField = nullptr;             // the month in force, "YYYY年MM月現在"
    FramedRectangle* Rectangle10 = nullptr;  // the 変更 block
    QLabel* Label1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText5 = nullptr;

    // The grid's cells and the four total texts, for the ledger functions.
    // The total labels show the texts after ShowTotals.
    LedgerView Ledger();
    void ShowTotals();

    // --- Event handlers ----------------------------------------------------
    // The start-up sequence; ends with the modal month picker.
    void Event_Open();
    void MainButton_MouseClick(int column, int row);
    void MainList_MouseWheel(int x, int y, int deltaX, int deltaY);
    void MainListScrollBar_ValueChanged(int value);
    void Rectangle10_MouseDown(int x, int y);
    void PushButton1_Action();

    // --- Menu commands ------------------------------------------------------
    // Attaches the handlers below to the menu bar's items by name.
    void AddMenuHandlers();
    // Enables the items this window handles; runs at every menu update.
    void Event_EnableMenuItems();
    void _AppleU_Action();
    void _FilePageSetup_Action();
    // The month before or after the one in force, with the account on show
    // loaded for it as a click on its button would.
    void _ViewPreviousMonth_Action();
    void _ViewNextMonth_Action();
    // A click on the account button before or after the one pressed, down the
    // columns; placeholders and empty cells are passed over.
    void _ViewPreviousAccount_Action();
    void _ViewNextAccount_Action();

    // --- What the month picker does to this window --------------------------
    void SetMonthText(const QString& text) override;
    void MainListClear() override;
    void RefreshMainList() override;
    void ScrollToFirstRow() override;
    void RepaintNow() override;

  private:
    void CreateControls();
    void CreateButtons();
    void CreateGrid();
    void CreateGridEditor();
    void CreateScrollBar();
    void CreateTotals();
    QLabel* CreateTotalBox(FramedRectangle*& box, const QRect& boxRect, const QColor& fill,
                           const QRect& labelRect);
    void CreateHeading();
    void CreateMonthFrame();
    void CreateTotalCaptions();
    void ConnectHandlers();
    void CreateScrollKeys();

    void CentreOnScreen();
    void ConfigureMainList();
    void ConfigureMainButton();
    void ShowMonthPicker();
    void FitScrollRangeToLedger();
    void ShowMonthAfter(int months);
    void PressAccountButton(std::optional<ButtonCell> cell);
    std::optional<ButtonCell> PressedAccountButton() const;
    int LastLedgerRow() const;

    MototyouEnvironment environment_;
    QWidget* content_ = nullptr;
    // The scroll bar's maximum once the grid is ready.
    int readyScrollMaximum_ = 0;
    std::string kariTotal_;
    std::string kasiTotal_;
    std::string allKariTotal_;
    std::string allKasiTotal_;
};
