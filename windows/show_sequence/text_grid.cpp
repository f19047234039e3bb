#include "windows/show_sequence/text_grid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

namespace orvex {
namespace {

constexpr int kRowPitch = TextGrid::kRowHeight + TextGrid::kLineWidth;
// How near a column's right line the pointer must be to drag it.
constexpr int kSizingReach = 2;
constexpr int kMinColumnWidth = 8;

} // namespace

TextGrid::TextGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Window);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TextGrid::resetCells(int columnCount, int rowCount) {
    m_columnWidths.resize(static_cast<std::size_t>(std::max(columnCount, 0)), kDefaultColumnWidth);
    m_rowCount = std::max(rowCount, 0);
    m_texts.assign(m_columnWidths.size() * static_cast<std::size_t>(m_rowCount), QString());
    updateScrollBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

std::size_t TextGrid::textIndex(GridCell cell) const {
    return static_cast<std::size_t>(cell.row) * m_columnWidths.size() +
           static_cast<std::size_t>(cell.column);
}

QString TextGrid::cellText(GridCell cell) const {
    if (cell.column < 0 || cell.column >= columnCount() || cell.row < 0 || cell.row >= m_rowCount) {
        return {};
    }
    return m_texts[textIndex(cell)];
}

void TextGrid::setCellText(GridCell cell, const QString& text) {
    if (cell.column < 0 || cell.column >= columnCount() || cell.row < 0 || cell.row >= m_rowCount) {
        return;
    }
    m_texts[textIndex(cell)] = text;
    viewport()->update();
}

int TextGrid::columnWidth(int column) const {
    return column >= 0 && column < columnCount() ? m_columnWidths[static_cast<std::size_t>(column)]
                                                 : 0;
}

void TextGrid::setColumnWidth(int column, int width) {
    if (column < 0 || column >= columnCount()) {
        return;
    }
    m_columnWidths[static_cast<std::size_t>(column)] = std::max(width, kMinColumnWidth);
    updateScrollBars();
    viewport()->update();
}

// Left edge in viewport coordinates: column 0 never moves, the others scroll.
int TextGrid::columnLeft(int column) const {
    if (column == 0) {
        return 0;
    }
    int left = -horizontalScrollBar()->value();
    for (int c = 0; c < column; ++c) {
        left += columnWidth(c) + kLineWidth;
    }
    return left;
}

QRect TextGrid::cellRect(GridCell cell) const {
    if (cell.column < 0 || cell.column >= columnCount() || cell.row < 0 || cell.row >= m_rowCount) {
        return {};
    }
    const QRect rect(columnLeft(cell.column), cell.row * kRowPitch - verticalScrollBar()->value(),
                     columnWidth(cell.column), kRowHeight);
    if (cell.column == 0) {
        return rect;
    }
    // Scrolled columns pass beneath the fixed one.
    const int fixedRight = columnWidth(0) + kLineWidth;
    return rect.intersected(QRect(QPoint(fixedRight, rect.top()), rect.bottomRight()));
}

std::optional<GridCell> TextGrid::cellAt(QPoint position) const {
    if (columnCount() == 0 || position.x() < 0 || position.y() < 0) {
        return std::nullopt;
    }
    const int row = (position.y() + verticalScrollBar()->value()) / kRowPitch;
    if (row >= m_rowCount) {
        return std::nullopt;
    }
    if (position.x() < columnWidth(0) + kLineWidth) {
        return GridCell{0, row};
    }
    for (int column = 1; column < columnCount(); ++column) {
        if (position.x() < columnLeft(column) + columnWidth(column) + kLineWidth) {
            return GridCell{column, row};
        }
    }
    return std::nullopt;
}

std::optional<int> TextGrid::sizingLineAt(QPoint position) const {
    if (!cellAt(position)) {
        return std::nullopt;
    }
    for (int column = 0; column < columnCount(); ++column) {
        const int line = columnLeft(column) + columnWidth(column);
        if (std::abs(position.x() - line) <= kSizingReach &&
            (column == 0 || line > columnWidth(0))) {
            return column;
        }
    }
    return std::nullopt;
}

void TextGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QColor lineColor = palette().color(QPalette::Mid);
    const int firstRow = verticalScrollBar()->value() / kRowPitch;
    const int lastRow =
        std::min(m_rowCount - 1, (verticalScrollBar()->value() + viewport()->height()) / kRowPitch);
    for (int column = 0; column < columnCount(); ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const QRect rect = cellRect({column, row});
            if (rect.isEmpty() || rect.left() >= viewport()->width()) {
                continue;
            }
            painter.fillRect(rect.right() + 1, rect.top(), kLineWidth, kRowPitch, lineColor);
            painter.fillRect(rect.left(), rect.bottom() + 1, rect.width(), kLineWidth, lineColor);
            if (m_drawCell) {
                painter.save();
                painter.setClipRect(rect);
                m_drawCell(painter, {column, row}, rect);
                painter.restore();
            }
        }
    }
}

void TextGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TextGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    m_sizingColumn = event->button() == Qt::LeftButton ? sizingLineAt(position) : std::nullopt;
    if (event->button() == Qt::LeftButton && !m_sizingColumn && m_cellClick) {
        if (const auto cell = cellAt(position)) {
            m_cellClick(*cell);
        }
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TextGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (m_sizingColumn) {
        setColumnWidth(*m_sizingColumn, position.x() - columnLeft(*m_sizingColumn));
        return;
    }
    if (sizingLineAt(position)) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else {
        viewport()->unsetCursor();
    }
    if (m_mouseMove) {
        m_mouseMove(position);
    }
}

void TextGrid::mouseReleaseEvent(QMouseEvent* event) {
    m_sizingColumn.reset();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TextGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void TextGrid::updateScrollBars() {
    const int fixedWidth = columnWidth(0) + kLineWidth;
    int scrolledWidth = 0;
    for (int column = 1; column < columnCount(); ++column) {
        scrolledWidth += columnWidth(column) + kLineWidth;
    }
    const int visibleWidth = std::max(viewport()->width() - fixedWidth, 0);
    horizontalScrollBar()->setRange(0, std::max(scrolledWidth - visibleWidth, 0));
    horizontalScrollBar()->setPageStep(visibleWidth);
    horizontalScrollBar()->setSingleStep(kDefaultColumnWidth + kLineWidth);
    verticalScrollBar()->setRange(0, std::max(m_rowCount * kRowPitch - viewport()->height(), 0));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(kRowPitch);
}

} // namespace orvex
