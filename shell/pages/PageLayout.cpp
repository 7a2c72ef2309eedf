#include "PageLayout.h"

#include <algorithm>

namespace qs {

std::vector<int> ColumnTops(const std::vector<ColumnEntry>& entries) {
    std::vector<int> tops;
    int y = kColumnMargin;
    for (const ColumnEntry& e : entries) {
        tops.push_back(y);
        if (e.visible) {
            y += e.height + kColumnGap;
        }
    }
    return tops;
}

QSize FrameSize(QSize content, int columnWidth, int columnHeight, int statusHeight) {
    const int width = content.width() + columnWidth + kSplitterWidth + 3;
    int height = content.height() + statusHeight;
    if (height < columnHeight) {
        height = columnHeight + statusHeight;
    }
    return {width, height};
}

QSize AttachedClientSize(QSize client, QSize frame) {
    int width = std::max({client.width(), frame.width(), kMinClientWidth});
    int height = std::min(std::max(client.height(), frame.height()), kMaxClientHeight);
    width = std::min(width, kMaxClientWidth);
    return {width, height};
}

std::vector<RowPlace> LayoutRows(const std::vector<RowInput>& rows) {
    std::vector<RowPlace> places(rows.size(), RowPlace{0, 0, 0, 0});
    int y = kGridTop;
    bool first = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowInput& r = rows[i];
        if (!r.placed) {
            continue;
        }
        int h = r.valueHeight;
        if (!first) {
            if (h < kMinRowHeight) {
                h = kRaisedRowHeight;
            }
            y += h + kRowGap;
        }
        first = false;
        places[i] = {y, h, y + (h - r.boxHeight) / 2, y + (h - r.labelHeight) / 2};
    }
    return places;
}

int ValueLeft(int boxWidth, int widestLabel) {
    return kBoxLeft + boxWidth + kRowGap + widestLabel + kRowGap;
}

int ListPanelWidth(const QStringList& captions) {
    int chars = 0;
    for (const QString& c : captions) {
        chars += static_cast<int>(c.size());
    }
    return std::min(8 * chars, kListMaxWidth);
}

PortCell PortCellAt(int n, int columns, int boxHeight, int labelHeight) {
    const int row = n / columns;
    const int column = n % columns;
    const int labelTop = row * (boxHeight + labelHeight) + 10;
    const int left = column * kPortBoxWidth + 10;
    return {left, labelTop, left, labelTop + labelHeight};
}

int PortAreaWidth(int count, int columns) {
    const int lastColumn = count < columns ? count - 1 : columns - 1;
    return lastColumn * kPortBoxWidth + 10 + kPortBoxWidth + 10;
}

int WaitingMaximum(int waitTime) {
    return waitTime / 10;
}

int WaitingInterval(int waitTime) {
    return std::max(WaitingMaximum(waitTime) / 40 * 10, 10);
}

int NextWaitingPosition(int position, int maximum) {
    if (position >= maximum) {
        return position;
    }
    const int next = std::min(position + kWaitingStep, maximum);
    return next == maximum ? 0 : next;
}

} // namespace qs
