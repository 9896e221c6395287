#include "alert.h"

#include <QApplication>
#include <QMessageBox>

void SystemAlertAndMessage(const QString& message) {
    QApplication::beep();
    QMessageBox box(QMessageBox::NoIcon, QString(), message, QMessageBox::Ok);
    box.exec();
}
