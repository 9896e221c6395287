#pragma once

#include <QMainWindow>

// The ledger window: the program's one main window.
class Mototyou : public QMainWindow {
    Q_OBJECT
public:
    explicit Mototyou(QWidget* parent = nullptr);
};
