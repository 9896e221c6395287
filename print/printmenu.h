#pragma once

#include <QDialog>

#include "ledger_print_source.h"
#include "print_environment.h"
#include "print_job.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

// The print dialog 印刷内容選択: which ledgers of the month on show to print
// (accounts with postings, every account, or the account on screen), then
// 印刷... to print them, プレビュー... to see the same pages first, or
// キャンセル. A new dialog is made for every opening and remembers nothing;
// it closes itself after printing or cancelling, whatever the outcome.
class PrintMenu : public QDialog {
    Q_OBJECT
  public:
    PrintMenu(LedgerPrintSource& source, PrintEnvironment environment = {},
              QWidget* parent = nullptr);

    // Opens a new dialog over `parent`, movable and modal to the application,
    // and returns at once; the dialog deletes itself when it closes.
    static PrintMenu* Open(LedgerPrintSource& source, PrintEnvironment environment,
                           QWidget* parent);

    // Controls, in creation order.
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;  // 変動のある全ての科目を印刷
    QRadioButton* RadioButton2 = nullptr;  // 全ての科目を印刷
    QRadioButton* RadioButton3 = nullptr;  // 現在表示中の科目を印刷
    QPushButton* PushButton1 = nullptr;    // 印刷...
    QPushButton* PushButton2 = nullptr;    // キャンセル
    QPushButton* PushButton3 = nullptr;    // プレビュー...

    PrintChoice Choice() const;

    void PushButton1_Action();
    void PushButton2_Action();
    void PushButton3_Action();

  private:
    void CreateControls();
    QRadioButton* CreateRadioButton(const QString& caption, int top);
    QPushButton* CreatePushButton(const QString& caption, int left);

    LedgerPrintSource& source_;
    PrintEnvironment environment_;
};
