#include "mototyou.h"

Mototyou::Mototyou(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("総勘定元帳"));
    setFixedSize(1114, 935);
}
