#include "mototyou.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "alist.h"
#include "cellbutton.h"
#include "control_factory.h"
#include "departments.h"
#include "framed_rectangle.h"
#include "layout_fonts.h"
#include "menu.h"
#include "screen_font.h"

namespace {

const QSize kContentSize(1114, 935);

const QColor kDarkGrey(0x59, 0x59, 0x59);
const QColor kTotalGrey(0xD8, 0xD8, 0xD8);
const QColor kFrameFill(0xF2, 0xF2, 0xF2);

}  // namespace

// No title-bar buttons: the window is never closed, minimised or maximised;
// 終了 ends the program.
Mototyou::Mototyou(MototyouEnvironment environment, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      environment_(std::move(environment)) {
    setWindowTitle(QStringLiteral("総勘定元帳"));
    content_ = new QWidget(this);
    content_->setFixedSize(kContentSize);
    setCentralWidget(content_);
    setMenuBar(&Menu::Instance());
    // The window follows its content's fixed size, so it cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    CreateControls();
    ConnectHandlers();
    CreateScrollKeys();
    AddMenuHandlers();
    Menu::Instance().UpdateMenuItems();
}

void Mototyou::CreateControls() {
    CreateButtons();
    CreateGrid();
    CreateTotals();
    MainButton = new CellButton(content_);
    MainButton->setGeometry(20, 507, 1074, 408);
    MainButton->setFocusPolicy(Qt::NoFocus);
    CreateHeading();
    CreateMonthFrame();
    CreateTotalCaptions();
}

void Mototyou::CreateButtons() {
    PushButton2 =
        MakePushButton(content_, {877, 14, 96, 32}, QStringLiteral("印刷"), kAnitoSmallL, 16);
    PushButton1 =
        MakePushButton(content_, {998, 14, 96, 32}, QStringLiteral("終了"), kAnitoSmallL, 16);
}

void Mototyou::CreateGrid() {
    MainList = new aList(content_);
    MainList->setGeometry(20, 58, 1058, 378);
    MainList->TextFont = kAnitoL;
    MainList->TextSize = 18;
    MainList->headerheight = 18;
    MainList->setFocusPolicy(Qt::NoFocus);
    CreateGridEditor();
    CreateScrollBar();
}

// The grid's editor is never shown: the grid runs in row mode.
void Mototyou::CreateGridEditor() {
    MainListField = new QLineEdit(MainList);
    PlaceInContent(MainListField, content_, {20, 81, 80, 16});
    MainListField->setFont(ScreenFont(kOsakaMono, 12));
    QPalette palette = MainListField->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    MainListField->setPalette(palette);
    MainListField->setVisible(false);
    MainListField->setEnabled(false);
}

// The whole layout's range; the grid narrows it when it gets ready.
void Mototyou::CreateScrollBar() {
    MainListScrollBar = new QScrollBar(Qt::Vertical, content_);
    MainListScrollBar->setGeometry(1078, 58, 16, 378);
    MainListScrollBar->setRange(0, 2000);
    MainListScrollBar->setSingleStep(1);
    MainListScrollBar->setPageStep(10);
    MainListScrollBar->setValue(0);
    MainListScrollBar->setTracking(true);
}

// Cumulative totals in white boxes below the month's totals in grey ones;
// debit boxes on the left, credit boxes on the right.
void Mototyou::CreateTotals() {
    AllKasiTotal = CreateTotalBox(Rectangle2, {740, 471, 142, 24}, Qt::white, {743, 473, 120, 22});
    AllKariTotal = CreateTotalBox(Rectangle4, {599, 471, 142, 24}, Qt::white, {612, 473, 108, 22});
    KasiTotal = CreateTotalBox(Rectangle6, {740, 448, 142, 24}, kTotalGrey, {743, 450, 120, 22});
    KariTotal = CreateTotalBox(Rectangle8, {599, 448, 142, 24}, kTotalGrey, {612, 450, 108, 22});
}

QLabel* Mototyou::CreateTotalBox(FramedRectangle*& box, const QRect& boxRect, const QColor& fill,
                                 const QRect& labelRect) {
    box = new FramedRectangle(1, Qt::black, fill, content_);
    box->setGeometry(boxRect);
    return MakeLabel(box, content_, labelRect, {kAnitoL, 18, Qt::AlignRight});
}

void Mototyou::CreateHeading() {
    KamokuName = MakeLabel(content_, content_, {20, 16, 194, 34}, {kAnitoL, 32, Qt::AlignLeft});
    // The department selector is kept out of sight and out of reach of the
    // mouse, Tab and the keys: the window always reads the whole company.
    PopupMenu1 = new QComboBox(content_);
    PopupMenu1->setFocusPolicy(Qt::NoFocus);
    PopupMenu1->setEnabled(false);
    PopupMenu1->setGeometry(234, -56, 128, 32);
    PopupMenu1->setFont(ScreenFont(kAnitoL, 16));
    for (int department = 0; department <= kLastDepartment; ++department) {
        PopupMenu1->addItem(QString::fromStdString(DepartmentName(department)));
    }
}

void Mototyou::CreateMonthFrame() {
    Rectangle9 = new FramedRectangle(2, kDarkGrey, kFrameFill, content_);
    Rectangle9->setGeometry(425, 14, 265, 32);
    DateField =
        MakeLabel(Rectangle9, content_, {431, 19, 196, 26}, {kAnitoL, 24, Qt::AlignHCenter});
    Rectangle10 = new FramedRectangle(0, kDarkGrey, kDarkGrey, content_);
    Rectangle10->setGeometry(629, 14, 61, 32);
    Label1 = MakeLabel(Rectangle10, content_, {637, 20, 44, 20},
                       {kAnitoM, 16, Qt::AlignHCenter, Qt::white}, QStringLiteral("変更"));
}

void Mototyou::CreateTotalCaptions() {
    const LabelLook caption{kAnitoL, 18, Qt::AlignRight, kDarkGrey};
    StaticText1 =
        MakeLabel(content_, content_, {425, 471, 160, 24}, caption, QStringLiteral("累　　計"));
    StaticText5 =
        MakeLabel(content_, content_, {425, 448, 160, 24}, caption, QStringLiteral("当月合計"));
}

// PushButton2 (印刷) gets its handler together with the print dialog.
void Mototyou::ConnectHandlers() {
    connect(PushButton1, &QPushButton::clicked, this, &Mototyou::PushButton1_Action);
    connect(MainList, &aList::MouseWheel, this, &Mototyou::MainList_MouseWheel);
    connect(MainListScrollBar, &QScrollBar::valueChanged, this,
            &Mototyou::MainListScrollBar_ValueChanged);
    connect(MainButton, &CellButton::MouseClick, this, &Mototyou::MainButton_MouseClick);
    connect(Rectangle10, &FramedRectangle::MouseDown, this, &Mototyou::Rectangle10_MouseDown);
}
