#include "print_environment.h"

#include <QMessageBox>

void ShowMessage(const PrintEnvironment& environment, QWidget* parent, const QString& message) {
    if (environment.showMessage) {
        environment.showMessage(parent, message);
    } else {
        QMessageBox::warning(parent, QStringLiteral("総勘定元帳"), message);
    }
}
