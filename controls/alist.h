#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "alert.h"
#include "alist_geometry.h"
#include "cell_table.h"
#include "column_list.h"

class QFont;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QScrollBar;

// The ledger grid: a header band with column titles over lines of text taken
// from the table Cell, drawn in one monospaced font whose half-width
// character is the unit of the column widths. The control draws texts as
// stored; whoever fills Cell pads amounts to the column width. It keeps a
// cursor (a row, or one cell that a host-supplied editor covers) moved by
// the mouse, the arrow keys and Return.
//
// The properties are public fields, named as the window and the ledger
// functions know them; the host keeps ColumnCount <= 32 and TopIndex +
// RowCount inside the table (lines past the table are drawn empty).
class aList : public QWidget {
    Q_OBJECT
  public:
    explicit aList(QWidget* parent = nullptr);

    // --- Properties ---------------------------------------------------------
    // Columns 1..ColumnCount are drawn; the column lists do not set it.
    int ColumnCount = 0;
    // Width of each column in character units, stored as given plus 1.
    ColumnTable<int> ColumnWidth{};
    // Cell row shown on the first body line.
    int TopIndex = 0;
    // Display texts, rows 0..2000 (growing on demand) x columns 0..32; row 0
    // and column 0 are never drawn.
    CellTable Cell{2000, kGridLastColumn};
    ColumnTable<QString> Header;
    // Kept for the host; the control never reads it.
    int CurrentRow = 0;
    // The cursor: column and Cell row.
    int ClickPosX = 0;
    int ClickPosY = 0;
    // The in-place editor, assigned by the host. Its top at -100 means hidden.
    // A host that lets the user edit installs this control as the editor's
    // event filter, which hands its key presses to KeyPress.
    QLineEdit* TextField = nullptr;
    // Per column: "@" refuses typing, "0" writes the editor back on Return.
    ColumnTable<QString> Mask;
    // The scroll bar whose value the host copies into TopIndex.
    QScrollBar* ScrollBar = nullptr;
    // 0 = one current cell, 1 = the whole current row, other = no body text.
    int EditMode = 0;
    // Per column: "l" or empty = text, "r0"/"r1"/"r2" = amount with 0/1/2 decimals.
    ColumnTable<QString> ColumnDrawUp;
    // Index of the last visible body line; every paint recomputes it.
    int RowCount = 0;
    QString Ver115;
    // Font of header and cells; the size counts pixels, one per point of the
    // layout, so that the window's grid fits its 1058 pixels.
    QString TextFont = QStringLiteral("アニト-Ｌ等幅");
    int TextSize = 14;
    // Header band height and text height, recomputed by every paint and read
    // by the hit-testing and the editor placement.
    int headerheight = 18;
    int textheight = 0;

    // --- Column lists: "a,b,c" sets index 1, 2, 3 of the table --------------
    // A bad list sounds the alert, shows an "error:aList..." message and keeps
    // what was read before the problem.
    void ColumnWidths(const QString& list);
    void ColumnHeaders(const QString& list);
    void ColumnMasks(const QString& list);
    void DrawUp(const QString& list);

    // Replaces the alert-and-message function (tests record the message).
    void setAlert(AlertFunction alert) { alert_ = std::move(alert); }

    // Narrows ScrollBar once it is assigned: minimum 1, maximum lowered by
    // the page step (2000 with page step 10 gives 1..1990).
    void GetReady();

    // Both ask for a repaint of the whole control at the next opportunity.
    void aListRefresh();
    void SubPaint();

    // Draws the whole control on `g`, which covers the control's area.
    void Paint(QPainter& g);
    // Draws the body (separators and visible lines) with the font set on `g`.
    void Redraw(QPainter& g);

    // --- Cursor ----------------------------------------------------------
    // Moves the cursor to the cell under (x, y), in pixels of the control.
    void ClickCell(int x, int y);
    // Places the editor over (row, column) in cell mode and raises CellChange.
    void MoveCell(int row, int column);
    // Handles one key typed into the editor, `key` being a one-character
    // string (28-31 arrows, 13 Return, 3 Enter); true: the editor must
    // ignore the key.
    bool KeyPress(const QString& key);
    void MoveRight();
    void MoveLeft();
    void MoveUp();
    void MoveDown();

    // The ledger's text helpers, for hosts that reach them through the grid.
    double ChangeSequence(const QString& text) const;
    QString SpaceSup(const QString& text, int width) const;
    QString RemoveString(const QString& text, const QString& separator) const;

    // The key `event` stands for, as KeyPress takes it; empty for keys that
    // type nothing (modifiers alone).
    static QString KeyText(const QKeyEvent& event);

    // The font the grid draws with.
    QFont GridFont() const;

  signals:
    // The cursor moved to (row, column); column 0 in row mode.
    void CellChange(int row, int column);
    // The wheel turned over the grid, in notches, positive down and right.
    // The event stays unconsumed.
    void MouseWheel(int x, int y, int deltaX, int deltaY);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Event_Open();
    void ReportProblem(ColumnListProblem problem, const QString& tooManyMessage);
    GridMetrics Metrics() const;
    void PaintHeader(QPainter& g, const GridMetrics& metrics);
    void PaintBodyLine(QPainter& g, int line, const GridMetrics& metrics);
    QString CellText(int row, int column) const;
    const QString& MaskOf(int column) const;
    const QString& DrawUpOf(int column) const;
    int WidthOf(int column) const;

    // Editor handling; all do nothing while no editor is assigned.
    QPoint EditorOrigin() const;
    void PlaceEditor(int row, int column);
    void HideEditor();
    bool EditorHidden() const;
    void SetEditorText(const QString& text);
    void ShowCursorCellInEditor();
    void FollowEditorText();
    void CommitEditor();
    void AdvanceAfterReturn();

    AlertFunction alert_ = SystemAlertAndMessage;
    // The editor's typing limit (0: none) and the editor it was set up for.
    int typingLimit_ = 0;
    QPointer<QLineEdit> followedEditor_;
    // Wheel movement short of a whole notch, kept for the next turn.
    QPoint wheelRemainder_;
};
