#pragma once

#include <QDialog>

class QLabel;
class QPaintEvent;
class QPushButton;

// The About box: the program's name and version on a plain white box with a
// wide OK button, the default button, so Return closes it too. A new box is
// made for every About command; it shows itself, does not block the ledger
// window and stays above it, and goes away when closed.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    // A box naming the program by the title of `ledgerWindow`, its parent.
    explicit AboutWindow(QWidget* ledgerWindow);

    QLabel* AppNameText = nullptr;
    QPushButton* PushButton1 = nullptr;  // OK
    QLabel* StaticText3 = nullptr;       // credit line
    QLabel* VerText = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* MakeCentredLabel(const QRect& rect, int fontSize, const QString& text = {});
    void Event_Open();
    void PushButton1_Action();
};
