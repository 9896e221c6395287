#include "menu.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>

namespace {

// Items that the program enables itself carry this property set to false.
constexpr const char* kAutoEnabled = "autoEnabled";

// Runs a menu update whenever a key is offered as a shortcut override. Qt
// looks shortcuts up only after that offer, so the update comes before any
// shortcut acts.
class ShortcutWatcher : public QObject {
  public:
    explicit ShortcutWatcher(Menu* menu) : QObject(menu), menu_(menu) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) menu_->UpdateMenuItems();
        return false;
    }

  private:
    Menu* menu_;
};

}  // namespace

Menu& Menu::Instance() {
    static QPointer<Menu> instance;
    if (instance.isNull()) instance = new Menu;
    return *instance;
}

Menu::Menu() {
    AddMenu(QStringLiteral("UntitledMenu2"), QStringLiteral("ファイル"));
    AddItem(QStringLiteral("UntitledMenu2"), QStringLiteral("FilePageSetup"),
            QStringLiteral("用紙設定..."), {}, false);
    AddItem(QStringLiteral("UntitledMenu2"), QStringLiteral("Print"), QStringLiteral("印刷..."),
            QKeySequence(Qt::CTRL | Qt::Key_P), false);
    AddItem(QStringLiteral("UntitledMenu2"), QStringLiteral("UntitledMenu3"), QStringLiteral("-"),
            {}, false);
    AddItem(QStringLiteral("UntitledMenu2"), QStringLiteral("FileQuit"), QStringLiteral("終了"),
            QKeySequence(Qt::CTRL | Qt::Key_Q), true);

    AddMenu(QStringLiteral("UntitledMenu0"), QStringLiteral("編集"));
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("EditUndo"), QStringLiteral("取り消し"),
            QKeySequence(Qt::CTRL | Qt::Key_Z), false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("UntitledMenu1"), QStringLiteral("-"),
            {}, false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("EditCut"), QStringLiteral("カット"),
            QKeySequence(Qt::CTRL | Qt::Key_X), false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("EditCopy"), QStringLiteral("コピー"),
            QKeySequence(Qt::CTRL | Qt::Key_C), false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("EditPaste"),
            QStringLiteral("ペースト"), QKeySequence(Qt::CTRL | Qt::Key_V), false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("EditClear"), QStringLiteral("クリア"),
            {}, false);
    AddItem(QStringLiteral("UntitledMenu0"), QStringLiteral("AppleU"),
            QStringLiteral("ミナセルについて..."), {}, false);

    AddMenu(QStringLiteral("ViewMenu"), QStringLiteral("表示"));
    AddItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewPreviousMonth"), QStringLiteral("前月"),
            QKeySequence(Qt::CTRL | Qt::Key_Left), false);
    AddItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewNextMonth"), QStringLiteral("翌月"),
            QKeySequence(Qt::CTRL | Qt::Key_Right), false);
    AddItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewPreviousAccount"),
            QStringLiteral("前の科目"), QKeySequence(Qt::CTRL | Qt::Key_Up), false);
    AddItem(QStringLiteral("ViewMenu"), QStringLiteral("ViewNextAccount"),
            QStringLiteral("次の科目"), QKeySequence(Qt::CTRL | Qt::Key_Down), false);

    connect(Item(QStringLiteral("FileQuit")), &QAction::triggered, qApp, &QApplication::quit);
    qApp->installEventFilter(new ShortcutWatcher(this));
    UpdateMenuItems();
}

QMenu* Menu::AddMenu(const QString& name, const QString& caption) {
    QMenu* menu = addMenu(caption);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, &Menu::UpdateMenuItems);
    return menu;
}

// A caption of "-" makes the item a separator.
void Menu::AddItem(const QString& menuName, const QString& name, const QString& caption,
                   const QKeySequence& shortcut, bool autoEnabled) {
    QMenu* menu = findChild<QMenu*>(menuName, Qt::FindDirectChildrenOnly);
    QAction* item = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    item->setProperty(kAutoEnabled, autoEnabled);
    if (autoEnabled) item->setMenuRole(QAction::QuitRole);
}

QAction* Menu::Item(const QString& name) const { return findChild<QAction*>(name); }

void Menu::UpdateMenuItems() {
    for (QAction* item : findChildren<QAction*>()) {
        if (!item->objectName().isEmpty() && !item->property(kAutoEnabled).toBool()) {
            item->setEnabled(false);
        }
    }
    emit EnableMenuItems();
}
