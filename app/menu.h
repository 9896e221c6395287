#pragma once

#include <QMenuBar>
#include <QString>

class QAction;
class QMenu;

// The program's one menu bar: ファイル (用紙設定..., 印刷..., 終了), 編集
// (取り消し, カット, コピー, ペースト, クリア, ミナセルについて...) and 表示
// (前月, 翌月, 前の科目, 次の科目). Menus and items carry their names as object
// names; handlers are attached by name.
//
// Before a menu opens and before a shortcut acts, the bar runs a menu update:
// every item that is not auto-enabled is disabled, then EnableMenuItems lets
// the window enable the items it handles. Only 終了 is auto-enabled; it quits
// the program.
class Menu : public QMenuBar {
    Q_OBJECT
  public:
    // The one bar, made on first use. The window that shows it owns it; once
    // that window has gone the next use makes a new bar.
    static Menu& Instance();

    // The item named `name`, or nullptr.
    QAction* Item(const QString& name) const;

    // Disables every item that is not auto-enabled, then emits EnableMenuItems.
    void UpdateMenuItems();

  signals:
    void EnableMenuItems();

  private:
    Menu();
    QMenu* AddMenu(const QString& name, const QString& caption);
    void AddItem(const QString& menuName, const QString& name, const QString& caption,
                 const QKeySequence& shortcut, bool autoEnabled);
};
