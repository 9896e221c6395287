// The ledger window's menu commands.
#include <QAction>

#include "aboutwindow.h"
#include "grobal.h"
#include "menu.h"
#include "mototyou.h"

void Mototyou::AddMenuHandlers() {
    Menu& menu = Menu::Instance();
    connect(menu.Item(QStringLiteral("AppleU")), &QAction::triggered, this,
            &Mototyou::_AppleU_Action);
    connect(menu.Item(QStringLiteral("FilePageSetup")), &QAction::triggered, this,
            &Mototyou::_FilePageSetup_Action);
    connect(menu.Item(QStringLiteral("ViewPreviousMonth")), &QAction::triggered, this,
            &Mototyou::_ViewPreviousMonth_Action);
    connect(menu.Item(QStringLiteral("ViewNextMonth")), &QAction::triggered, this,
            &Mototyou::_ViewNextMonth_Action);
    connect(menu.Item(QStringLiteral("ViewPreviousAccount")), &QAction::triggered, this,
            &Mototyou::_ViewPreviousAccount_Action);
    connect(menu.Item(QStringLiteral("ViewNextAccount")), &QAction::triggered, this,
            &Mototyou::_ViewNextAccount_Action);
    connect(&menu, &Menu::EnableMenuItems, this, &Mototyou::Event_EnableMenuItems);
}

void Mototyou::Event_EnableMenuItems() {
    const Menu& menu = Menu::Instance();
    for (const char* name : {"AppleU", "FilePageSetup", "Print", "ViewPreviousMonth",
                             "ViewNextMonth", "ViewPreviousAccount", "ViewNextAccount"}) {
        menu.Item(QString::fromLatin1(name))->setEnabled(true);
    }
}

// The box shows itself and goes away when closed; nothing waits for it.
void Mototyou::_AppleU_Action() { new AboutWindow(this); }

void Mototyou::_FilePageSetup_Action() {
    FilePageSetup(Grobal::gBasicPath, Grobal::gPrintSettings,
                  environment_.runPageSetup ? environment_.runPageSetup : RunPageSetupDialog);
}
