#pragma once
// The layout rules of the generic pages as plain arithmetic, so that the panels and the tests
// share one statement of them: the button column, the frame around a content, the host form's
// client size, the rows of the editor grid, the list panel's width, the port-list picker's
// cells and the waiting dialog's timing.

#include <QSize>
#include <QStringList>
#include <vector>

namespace qs {

// Button column: every control is this wide, starts at the margins and keeps this gap.
constexpr int kColumnMargin = 10;
constexpr int kColumnControlWidth = 96;
constexpr int kColumnGap = 5;
constexpr int kColumnWidth = 2 * kColumnMargin + kColumnControlWidth; // 116
constexpr int kButtonHeight = 25;

struct ColumnEntry {
    bool visible;
    int height;
};
// The top of every entry in order: a hidden entry gets the running top and takes no room.
std::vector<int> ColumnTops(const std::vector<ColumnEntry>& entries);

// Frame (TSNMPPanel) around a content beside the button column, above the status line.
constexpr int kSplitterWidth = 3;
QSize FrameSize(QSize content, int columnWidth, int columnHeight, int statusHeight);

// A host form's client size once a frame is attached: width at least the frame's and 350,
// at most 800; height at least the frame's, at most 550.
constexpr int kMinClientWidth = 350;
constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;
QSize AttachedClientSize(QSize client, QSize frame);

// Editor grid rows.
constexpr int kGridTop = 20;
constexpr int kBoxLeft = 20;
constexpr int kRowGap = 5;
constexpr int kMinRowHeight = 20;    // a value control lower than this ...
constexpr int kRaisedRowHeight = 21; // ... is raised to this
struct RowInput {
    bool placed; // false: hidden variable or hidden value control
    int valueHeight;
    int boxHeight;
    int labelHeight;
};
struct RowPlace {
    int valueTop;
    int valueHeight; // after raising
    int boxTop;
    int labelTop;
};
// Places the rows that are placed (the others keep a default RowPlace): the first at 20, each
// later one at the previous top plus its own (raised) height plus 5.
std::vector<RowPlace> LayoutRows(const std::vector<RowInput>& rows);
// Left of the value column: label left (box left + box width + 5) + widest label + 5.
int ValueLeft(int boxWidth, int widestLabel);

// List panel width: 8 pixels per character of all column captions, at most 450.
constexpr int kListMaxWidth = 450;
constexpr int kListHeight = 350;
int ListPanelWidth(const QStringList& captions);

// Port-list picker: label and box of port n (0-based), boxes 20 wide.
constexpr int kPortBoxWidth = 20;
struct PortCell {
    int labelLeft;
    int labelTop;
    int boxLeft;
    int boxTop;
};
PortCell PortCellAt(int n, int columns, int boxHeight, int labelHeight);
// Width W of the box area: the right edge of the last column + 10, or of the last box when the
// ports fill less than one row.
int PortAreaWidth(int count, int columns);

// Waiting dialog: the bar's maximum, the timer interval, and the bar's next position, which
// never passes the maximum and starts again at 0 when it reaches it.
constexpr int kWaitingStep = 20;
int WaitingMaximum(int waitTime);
int WaitingInterval(int waitTime);
int NextWaitingPosition(int position, int maximum);

} // namespace qs
