#pragma once

#include <QLabel>

namespace orvex {

// The logo or the clock on the screen preview: the mouse drags it, and with the focus the
// arrow keys move it one preview pixel (ten with Shift), so it can be placed without a mouse.
// Where it may go is the dialog's to decide.
class PreviewItem : public QLabel {
    Q_OBJECT
public:
    explicit PreviewItem(const char* objectName, QWidget* parent);

signals:
    // The pointer, in global coordinates, while the item is being dragged.
    void dragged(QPoint globalPointer);
    void nudged(QPoint step);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_dragging = false;
};

} // namespace orvex
