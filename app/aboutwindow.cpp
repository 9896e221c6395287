#include "aboutwindow.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "grobal.h"
#include "screen_font.h"

namespace {

const QString kOsaka = QStringLiteral("Osaka");

}  // namespace

// No title bar and so no title-bar buttons: OK is the way out.
AboutWindow::AboutWindow(QWidget* ledgerWindow)
    : QDialog(ledgerWindow, Qt::Dialog | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(300, 300);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    AppNameText = MakeCentredLabel({50, 36, 200, 35}, 18);
    PushButton1 = new QPushButton(QStringLiteral("OK"), this);
    PushButton1->setGeometry(50, 247, 200, 20);
    PushButton1->setFont(ScreenFont(kOsaka, 12));
    PushButton1->setDefault(true);
    connect(PushButton1, &QPushButton::clicked, this, &AboutWindow::PushButton1_Action);
    StaticText3 =
        MakeCentredLabel({50, 142, 200, 16}, 12, QStringLiteral("朝霧工房 システム開発部"));
    VerText = MakeCentredLabel({50, 76, 200, 16}, 12);

    Event_Open();
    show();
}

QLabel* AboutWindow::MakeCentredLabel(const QRect& rect, int fontSize, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setGeometry(rect);
    label->setFont(ScreenFont(kOsaka, fontSize));
    label->setAlignment(Qt::AlignCenter);
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

// Without a title bar a white box would melt into the white ledger rows
// beneath it; a thin grey edge keeps it apart.
void AboutWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter g(this);
    g.setPen(QColor(0x80, 0x80, 0x80));
    g.drawRect(rect().adjusted(0, 0, -1, -1));
}

void AboutWindow::Event_Open() {
    AppNameText->setText(parentWidget()->windowTitle());
    VerText->setText(QString::fromStdString(Grobal::gVersionString));
}

void AboutWindow::PushButton1_Action() { close(); }
