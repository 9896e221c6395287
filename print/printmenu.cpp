#include "printmenu.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "dialog_print_job.h"

namespace {

const QSize kSize(271, 276);
const QRect kGroupBox(13, 13, 245, 87);
constexpr int kRadioLeft = 46;
constexpr int kButtonTop = 242;
const QSize kRadioSize(180, 20);
const QSize kButtonSize(80, 20);

// Captions are in Osaka at 12, sized in pixels like the window's controls.
QFont CaptionFont() {
    QFont font(QStringLiteral("Osaka"));
    font.setPixelSize(12);
    return font;
}

}  // namespace

// A title bar to move it by, but no close, minimise or maximise box.
PrintMenu::PrintMenu(LedgerPrintSource& source, PrintEnvironment environment, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      source_(source),
      environment_(std::move(environment)) {
    setWindowTitle(QStringLiteral("印刷内容選択"));
    setFixedSize(kSize);
    setFont(CaptionFont());
    CreateControls();
    connect(PushButton1, &QPushButton::clicked, this, &PrintMenu::PushButton1_Action);
    connect(PushButton2, &QPushButton::clicked, this, &PrintMenu::PushButton2_Action);
    connect(PushButton3, &QPushButton::clicked, this, &PrintMenu::PushButton3_Action);
}

PrintMenu* PrintMenu::Open(LedgerPrintSource& source, PrintEnvironment environment,
                           QWidget* parent) {
    auto* menu = new PrintMenu(source, std::move(environment), parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setWindowModality(Qt::ApplicationModal);
    menu->show();
    return menu;
}

// The radio buttons lie in the group box; their places are given in the
// dialog's coordinates.
void PrintMenu::CreateControls() {
    GroupBox1 = new QGroupBox(QStringLiteral("印刷内容"), this);
    GroupBox1->setGeometry(kGroupBox);
    RadioButton1 = CreateRadioButton(QStringLiteral("変動のある全ての科目を印刷"), 34);
    RadioButton2 = CreateRadioButton(QStringLiteral("全ての科目を印刷"), 52);
    RadioButton3 = CreateRadioButton(QStringLiteral("現在表示中の科目を印刷"), 70);
    RadioButton1->setChecked(true);
    PushButton1 = CreatePushButton(QStringLiteral("印刷..."), 178);
    PushButton1->setDefault(true);
    PushButton2 = CreatePushButton(QStringLiteral("キャンセル"), 13);
    // Between キャンセル and 印刷..., at their height.
    PushButton3 = CreatePushButton(QStringLiteral("プレビュー..."), 95);
}

QRadioButton* PrintMenu::CreateRadioButton(const QString& caption, int top) {
    auto* button = new QRadioButton(caption, GroupBox1);
    button->setGeometry(QRect(QPoint(kRadioLeft, top) - kGroupBox.topLeft(), kRadioSize));
    return button;
}

QPushButton* PrintMenu::CreatePushButton(const QString& caption, int left) {
    auto* button = new QPushButton(caption, this);
    button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
    button->setAutoDefault(false);
    return button;
}

PrintChoice PrintMenu::Choice() const {
    if (RadioButton2->isChecked()) return PrintChoice::AllAccounts;
    if (RadioButton3->isChecked()) return PrintChoice::AccountOnShow;
    return PrintChoice::PostedAccounts;
}

void PrintMenu::PushButton1_Action() {
    PrintThroughDialog(Choice(), source_, environment_, this);
    close();
}

void PrintMenu::PushButton2_Action() { close(); }

void PrintMenu::PushButton3_Action() {
    PreviewThroughDialog(Choice(), source_, environment_, this);
}
