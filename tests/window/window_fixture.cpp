#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QTest>

#include "alist.h"
#include "cellbutton.h"
#include "grobal.h"
#include "window_app.h"

void PickMiddleMonth(CalendarWindow& picker) {
    const QSize size = picker.Calendar->size();
    QTest::mouseClick(picker.Calendar, Qt::LeftButton, Qt::NoModifier,
                      QPoint(size.width() / 2, size.height() / 2));
}

bool UnexpectedPageSetup(QPrinter&) {
    ADD_FAILURE() << "the page-setup dialog was opened";
    return false;
}

std::unique_ptr<Mototyou> OpenWindow(const std::string& basicPath, QDate today,
                                     std::function<void(CalendarWindow&)> runPicker, QSize screen,
                                     PageSetupDialogFunction runPageSetup) {
    EnsureWindowApp();
    Grobal::gBasicPath = basicPath;
    MototyouEnvironment environment{[today] { return today; }, [screen] { return screen; },
                                    std::move(runPicker), std::move(runPageSetup)};
    auto window = std::make_unique<Mototyou>(std::move(environment));
    window->MainList->setAlert(
        [](const QString& message) { ADD_FAILURE() << "grid alert: " << message.toStdString(); });
    window->Event_Open();
    return window;
}

void WriteMayBooks(const Books& books) {
    books.accounts({{"現金", "0", ""},
                    {"売掛金", "0", ""},
                    {"売上", "1", ""},
                    {"***", "0", ""},
                    {"仕入", "5", ""},
                    {"買掛金", "1", ""},
                    {"仮払消費税", "0", ""},
                    {"", "0", ""}});
    WriteMayPostings(books);
}

void ClickAccount(Mototyou& window, int column, int row) {
    const CellButton& buttons = *window.MainButton;
    const ButtonGeometry geometry{buttons.CellWidth, buttons.CellHeight, buttons.LeftMargin,
                                  buttons.TopMargin};
    QTest::mouseClick(window.MainButton, Qt::LeftButton, Qt::NoModifier,
                      geometry.ButtonRect(column, row).center());
}

QRect ContentRect(const Mototyou& window, const QWidget* control) {
    return QRect(control->mapTo(window.centralWidget(), QPoint()), control->size());
}
