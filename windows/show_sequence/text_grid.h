#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace orvex {

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A grid of text cells whose owner draws every cell. Column 0 stays in place while the other
// columns scroll sideways; the user can drag the line to the right of any column to resize it.
class TextGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    using DrawCell = std::function<void(QPainter& painter, GridCell cell, const QRect& rect)>;
    using MouseMove = std::function<void(QPoint position)>;
    using CellClick = std::function<void(GridCell cell)>;

    static constexpr int kDefaultColumnWidth = 70;
    static constexpr int kRowHeight = 24;
    static constexpr int kLineWidth = 1;

    explicit TextGrid(QWidget* parent = nullptr);

    void setDrawCell(DrawCell drawCell) { m_drawCell = std::move(drawCell); }
    void setMouseMove(MouseMove mouseMove) { m_mouseMove = std::move(mouseMove); }
    // A left click on a cell, not on a line that resizes a column.
    void setCellClick(CellClick cellClick) { m_cellClick = std::move(cellClick); }

    // Resizes the grid, empties every cell and scrolls back to the first one, where new
    // contents begin; new columns get the default width, existing ones keep the width the
    // user gave them.
    void resetCells(int columnCount, int rowCount);
    int columnCount() const { return static_cast<int>(m_columnWidths.size()); }
    int rowCount() const { return m_rowCount; }

    QString cellText(GridCell cell) const;
    void setCellText(GridCell cell, const QString& text);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    // In viewport coordinates; empty for a cell scrolled out of sight.
    QRect cellRect(GridCell cell) const;
    std::optional<GridCell> cellAt(QPoint position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    std::vector<int> m_columnWidths;
    int m_rowCount = 0;
    std::vector<QString> m_texts;
    DrawCell m_drawCell;
    MouseMove m_mouseMove;
    CellClick m_cellClick;
    std::optional<int> m_sizingColumn;

    int columnLeft(int column) const;
    std::optional<int> sizingLineAt(QPoint position) const;
    void updateScrollBars();
    std::size_t textIndex(GridCell cell) const;
};

} // namespace orvex
