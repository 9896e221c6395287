#pragma once

#include <QString>
#include <functional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// What the print dialog takes from its surroundings. The program leaves all
// three empty and gets the platform's dialogs; tests put in functions that
// answer at once, so that nothing waits for a person.
struct PrintEnvironment {
    // Shows the platform's print dialog for `printer`; true when the user
    // confirms. QPrintDialog when empty.
    std::function<bool(QPrinter& printer, QWidget* parent)> choosePrinter;
    // Tells the user something went wrong. A warning QMessageBox when empty.
    std::function<void(QWidget* parent, const QString& message)> showMessage;
    // Shows the print preview and returns once it has closed. exec() when
    // empty.
    std::function<void(QPrintPreviewDialog& preview)> runPreview;
};

// Tells the user `message` through `environment`, or in a warning box.
void ShowMessage(const PrintEnvironment& environment, QWidget* parent, const QString& message);
