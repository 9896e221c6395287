#include "control_factory.h"

#include <QLabel>
#include <QPushButton>

#include "screen_font.h"

void PlaceInContent(QWidget* control, const QWidget* content, const QRect& windowRect) {
    const QWidget* parent = control->parentWidget();
    const QPoint parentOrigin = parent == content ? QPoint() : parent->mapTo(content, QPoint());
    control->setGeometry(windowRect.translated(-parentOrigin));
}

QLabel* MakeLabel(QWidget* parent, const QWidget* content, const QRect& windowRect,
                  const LabelLook& look, const QString& text) {
    auto* label = new QLabel(text, parent);
    PlaceInContent(label, content, windowRect);
    label->setFont(ScreenFont(look.fontFamily, look.fontSize));
    label->setAlignment(look.alignment | Qt::AlignVCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.color);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QPushButton* MakePushButton(QWidget* parent, const QRect& windowRect, const QString& caption,
                            const QString& fontFamily, int fontSize) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(windowRect);
    button->setFont(ScreenFont(fontFamily, fontSize));
    return button;
}
