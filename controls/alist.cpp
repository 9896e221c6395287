#include "alist.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "cell_entry.h"
#include "screen_font.h"
#include "text_helpers.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kHeaderShadow(184, 184, 184);
const QColor kSeparator(64, 128, 64);
const QColor kEvenLine(192, 255, 192);
const QColor kCursor(0, 0, 64);
const QColor kBlack(0, 0, 0);

// Separators of the body start here whatever the header height.
constexpr int kSeparatorTop = 16;
// MoveDown never takes the cursor past this row.
constexpr int kLastCursorRow = 300;
// An editor whose top is here counts as hidden.
constexpr int kHiddenTop = -100;

constexpr int kArrowLeft = 28;
constexpr int kArrowRight = 29;
constexpr int kArrowUp = 30;
constexpr int kArrowDown = 31;
constexpr int kReturn = 13;
constexpr int kEnter = 3;

const QString kInvalidWidthCharacter =
    QStringLiteral("error:aListのColumnWidthsで不正な文字が指定されました");
const QString kTooManyWidths = QStringLiteral("error:aListのカラム数が32列を超えました");
const QString kTooManyHeaders = QStringLiteral("error:aListのヘッダカラム数が32列を超えました");
const QString kTooManyMasks = QStringLiteral("error:aListのマスクカラム数が32列を超えました");

double TextHeightOn(const QPainter& g) { return QFontMetricsF(g.font(), g.device()).height(); }

// Entry `column` of a per-column table; empty outside the table.
const QString& EntryOf(const ColumnTable<QString>& table, int column) {
    static const QString none;
    if (column < 0 || column > kGridLastColumn) return none;
    return table[static_cast<std::size_t>(column)];
}

}  // namespace

aList::aList(QWidget* parent) : QWidget(parent) { Event_Open(); }

void aList::Event_Open() { TopIndex = 1; }

// --- Column lists ------------------------------------------------------------

void aList::ColumnWidths(const QString& list) {
    ReportProblem(ReadColumnWidths(list, ColumnWidth), kTooManyWidths);
}

void aList::ColumnHeaders(const QString& list) {
    ReportProblem(ReadColumnTexts(list, Header), kTooManyHeaders);
}

void aList::ColumnMasks(const QString& list) {
    ReportProblem(ReadColumnTexts(list, Mask), kTooManyMasks);
}

// The draw codes share the headers' message.
void aList::DrawUp(const QString& list) {
    ReportProblem(ReadColumnTexts(list, ColumnDrawUp), kTooManyHeaders);
}

void aList::ReportProblem(ColumnListProblem problem, const QString& tooManyMessage) {
    switch (problem) {
        case ColumnListProblem::None:
            return;
        case ColumnListProblem::TooManyColumns:
            alert_(tooManyMessage);
            return;
        case ColumnListProblem::InvalidCharacter:
            alert_(kInvalidWidthCharacter);
            return;
    }
}

void aList::GetReady() {
    if (ScrollBar == nullptr) return;
    ScrollBar->setMinimum(1);
    ScrollBar->setMaximum(ScrollBar->maximum() - ScrollBar->pageStep());
}

void aList::aListRefresh() { update(); }

void aList::SubPaint() { update(); }

// --- Drawing -----------------------------------------------------------------

QFont aList::GridFont() const { return ScreenFont(TextFont, TextSize); }

void aList::paintEvent(QPaintEvent*) {
    QPainter g(this);
    Paint(g);
}

void aList::Paint(QPainter& g) {
    g.setFont(GridFont());
    const double th = TextHeightOn(g);
    const GridMetrics metrics = MetricsFor(th);
    textheight = metrics.textHeight;
    headerheight = metrics.rowHeight;
    PaintHeader(g, metrics);
    Redraw(g);
}

// The header band is not filled: white top and left lines and grey bottom and
// right lines over the erased background make it look raised.
void aList::PaintHeader(QPainter& g, const GridMetrics& metrics) {
    const int w = width() - 2;
    const int h = height() - 2;
    g.setPen(kWhite);
    g.drawLine(1, 15, 1, 1);
    g.drawLine(1, 1, w, 1);
    g.fillRect(1, headerheight, w, h - headerheight, kWhite);
    g.setPen(kHeaderShadow);
    g.drawLine(w, 1, w, headerheight);
    g.drawLine(w, headerheight - 2, 1, headerheight - 2);
    const int columns = DrawnColumns(ColumnCount);
    for (int i = 1; i <= columns; ++i) {
        const int x = ColumnRight(ColumnWidth, i, metrics.unit);
        g.setPen(kSeparator);
        g.drawLine(x, 1, x, headerheight - 1);
        g.setPen(kWhite);
        g.drawLine(x + 1, 1, x + 1, headerheight - 1);
    }
    g.setPen(kBlack);
    g.drawRect(0, 0, width() - 1, height() - 1);
    g.drawLine(0, headerheight - 1, w, headerheight - 1);
    const double baseline = headerheight / 2.0 + QFontMetricsF(g.font(), g.device()).ascent() / 2;
    for (int j = 1; j <= columns; ++j) {
        g.drawText(QPointF(ColumnLeft(ColumnWidth, j, metrics.unit) + 4, baseline), Header[j]);
    }
}

void aList::Redraw(QPainter& g) {
    const GridMetrics metrics = MetricsFor(TextHeightOn(g));
    const int h = height() - 2;
    g.setPen(kSeparator);
    for (int i = 1; i <= DrawnColumns(ColumnCount); ++i) {
        const int x = ColumnRight(ColumnWidth, i, metrics.unit);
        g.drawLine(x, kSeparatorTop, x, h);
    }
    RowCount = LastBodyLine(h, metrics.rowHeight);
    if (EditMode != 0 && EditMode != 1) return;
    for (int line = 0; line <= RowCount; ++line) PaintBodyLine(g, line, metrics);
}

// Stripes follow screen lines, not data rows; each cell's background covers
// the overflow of the text to its left.
void aList::PaintBodyLine(QPainter& g, int line, const GridMetrics& metrics) {
    const int row = TopIndex + line;
    const double baseline = headerheight + line * metrics.rowHeight + metrics.rowHeight - 4;
    for (int j = 1; j <= DrawnColumns(ColumnCount); ++j) {
        const bool cursor = row == ClickPosY && (EditMode == 1 || j == ClickPosX);
        const QRect cell = BodyCellRect(ColumnWidth, j, line, headerheight, metrics);
        if (cell.width() > 0) {
            g.fillRect(cell, cursor ? kCursor : (line % 2 == 0 ? kEvenLine : kWhite));
        }
        g.setPen(cursor ? kWhite : kBlack);
        g.drawText(QPointF(ColumnLeft(ColumnWidth, j, metrics.unit) + 4, baseline),
                   CellText(row, j));
    }
}

// --- Mouse -------------------------------------------------------------------

void aList::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    ClickCell(position.x(), position.y());
}

void aList::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels report parts of a notch; they add up to whole ones.
    wheelRemainder_ += event->angleDelta();
    const QPoint notches(wheelRemainder_.x() / 120, wheelRemainder_.y() / 120);
    wheelRemainder_ -= notches * 120;
    if (!notches.isNull()) {
        const QPoint position = event->position().toPoint();
        emit MouseWheel(position.x(), position.y(), -notches.x(), -notches.y());
    }
    event->ignore();
}

void aList::ClickCell(int x, int y) {
    if (y <= kSeparatorTop) return;
    ClickPosY = RowAt(y, headerheight, textheight, TopIndex);
    const int column = ColumnAt(x, ColumnWidth, ColumnCount, Metrics().unit);
    if (column != 0) ClickPosX = column;
    update();
    MoveCell(ClickPosY, ClickPosX);
}

// --- Cursor and editor ---------------------------------------------------------

void aList::MoveCell(int row, int column) {
    if (EditMode == 1) {
        emit CellChange(ClickPosY, 0);
        update();
        return;
    }
    if (EditMode != 0) return;
    HideEditor();
    PlaceEditor(row, column);
    emit CellChange(ClickPosY, ClickPosX);
    if (TextField == nullptr) return;
    TextField->setVisible(true);
    TextField->setEnabled(true);
    if (const auto limit = TypingLimitFor(DrawUpOf(ClickPosX), WidthOf(ClickPosX))) {
        typingLimit_ = *limit;
    }
    SetEditorText(CellText(row, column));
    TextField->setFocus();
}

void aList::MoveRight() {
    if (ClickPosX < ColumnCount) {
        ++ClickPosX;
        MoveCell(ClickPosY, ClickPosX);
    } else {
        ClickPosX = 1;
        MoveDown();
    }
    ShowCursorCellInEditor();
}

void aList::MoveLeft() {
    if (ClickPosX > 1) {
        --ClickPosX;
        MoveCell(ClickPosY, ClickPosX);
    } else {
        ClickPosX = ColumnCount;
        MoveUp();
    }
    ShowCursorCellInEditor();
}

void aList::MoveUp() {
    if (ClickPosY > 1) --ClickPosY;
    if (ClickPosY < TopIndex) TopIndex = ClickPosY;
    if (ScrollBar != nullptr) ScrollBar->setValue(TopIndex);
    repaint();
    MoveCell(ClickPosY, ClickPosX);
    ShowCursorCellInEditor();
}

// Keeps the cursor visible: a cursor below the last line becomes the last line.
void aList::MoveDown() {
    if (ClickPosY < kLastCursorRow) ++ClickPosY;
    if (TopIndex + RowCount < ClickPosY) TopIndex = ClickPosY - RowCount;
    if (ScrollBar != nullptr) ScrollBar->setValue(TopIndex);
    repaint();
    MoveCell(ClickPosY, ClickPosX);
    ShowCursorCellInEditor();
}

bool aList::KeyPress(const QString& key) {
    const int code = key.isEmpty() ? 0 : key.at(0).unicode();
    switch (code) {
        case kArrowLeft:
            MoveLeft();
            break;
        case kArrowRight:
            MoveRight();
            break;
        case kArrowUp:
            MoveUp();
            break;
        case kArrowDown:
            MoveDown();
            break;
        case kReturn:
        case kEnter:
            CommitEditor();
            AdvanceAfterReturn();
            update();
            return false;
        default:
            if (EditorHidden()) MoveCell(ClickPosY, ClickPosX);
            return MaskOf(ClickPosX) == QLatin1String("@");
    }
    HideEditor();
    update();
    return false;
}

QString aList::KeyText(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
            return QString(QChar(kArrowLeft));
        case Qt::Key_Right:
            return QString(QChar(kArrowRight));
        case Qt::Key_Up:
            return QString(QChar(kArrowUp));
        case Qt::Key_Down:
            return QString(QChar(kArrowDown));
        case Qt::Key_Return:
            return QString(QChar(kReturn));
        case Qt::Key_Enter:
            return QString(QChar(kEnter));
        default:
            return event.text();
    }
}

bool aList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextField && TextField != nullptr && event->type() == QEvent::KeyPress) {
        const QString key = KeyText(*static_cast<QKeyEvent*>(event));
        if (!key.isEmpty()) return KeyPress(key);
    }
    return QWidget::eventFilter(watched, event);
}

// Only a "0" mask writes back; the format code decides how.
void aList::CommitEditor() {
    if (MaskOf(ClickPosX) != QLatin1String("0")) return;
    const std::string typed = TextField != nullptr ? TextField->text().toStdString() : "";
    Cell.set(ClickPosY, ClickPosX,
             CommittedCellText(DrawUpOf(ClickPosX), typed, WidthOf(ClickPosX)));
}

// The editor stays hidden over the next cell until the next typed key.
void aList::AdvanceAfterReturn() {
    if (ClickPosX == ColumnCount) {
        MoveRight();
        HideEditor();
        return;
    }
    ++ClickPosX;
    ShowCursorCellInEditor();
    HideEditor();
}

// Editor coordinates are those of its parent: the grid itself, a widget that
// contains the grid, or (otherwise) the grid's own parent.
QPoint aList::EditorOrigin() const {
    QWidget* parent = TextField->parentWidget();
    if (parent == this) return {0, 0};
    if (parent != nullptr && parent->isAncestorOf(this)) return mapTo(parent, QPoint(0, 0));
    return pos();
}

void aList::PlaceEditor(int row, int column) {
    if (TextField == nullptr) return;
    const GridMetrics metrics = Metrics();
    const QPoint origin = EditorOrigin();
    TextField->setGeometry(origin.x() + ColumnLeft(ColumnWidth, column, metrics.unit),
                           origin.y() + headerheight + (row - TopIndex) * metrics.rowHeight,
                           metrics.unit * WidthOf(column) + 1, TextField->height());
}

void aList::HideEditor() {
    if (TextField != nullptr) TextField->move(TextField->x(), kHiddenTop);
}

bool aList::EditorHidden() const { return TextField != nullptr && TextField->y() == kHiddenTop; }

void aList::ShowCursorCellInEditor() { SetEditorText(CellText(ClickPosY, ClickPosX)); }

// The typing limit must not cut what the program puts into the editor, so the
// editor's maximum length follows its text down to the limit.
void aList::SetEditorText(const QString& text) {
    if (TextField == nullptr) return;
    FollowEditorText();
    TextField->setMaxLength(EditorMaxLength(typingLimit_, text.size()));
    TextField->setText(text);
}

void aList::FollowEditorText() {
    if (followedEditor_ == TextField) return;
    if (followedEditor_ != nullptr) disconnect(followedEditor_, nullptr, this, nullptr);
    followedEditor_ = TextField;
    connect(TextField, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (followedEditor_ != nullptr) {
            followedEditor_->setMaxLength(EditorMaxLength(typingLimit_, text.size()));
        }
    });
}

// --- Helpers -----------------------------------------------------------------

GridMetrics aList::Metrics() const { return MetricsFor(textheight); }

QString aList::CellText(int row, int column) const {
    return QString::fromStdString(Cell.at(row, column));
}

const QString& aList::MaskOf(int column) const { return EntryOf(Mask, column); }

const QString& aList::DrawUpOf(int column) const { return EntryOf(ColumnDrawUp, column); }

int aList::WidthOf(int column) const {
    if (column < 0 || column > kGridLastColumn) return 0;
    return ColumnWidth[static_cast<std::size_t>(column)];
}

double aList::ChangeSequence(const QString& text) const {
    return ::ChangeSequence(text.toStdString());
}

QString aList::SpaceSup(const QString& text, int width) const {
    return QString::fromStdString(::SpaceSup(text.toStdString(), width));
}

QString aList::RemoveString(const QString& text, const QString& separator) const {
    return QString::fromStdString(::RemoveString(text.toStdString(), separator.toStdString()));
}
