#include "windows/config/preview_item.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace orvex {

PreviewItem::PreviewItem(const char* objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PreviewItem::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void PreviewItem::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QLabel::mouseMoveEvent(event);
        return;
    }
    emit dragged(event->globalPosition().toPoint());
    event->accept();
}

void PreviewItem::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
    }
    QLabel::mouseReleaseEvent(event);
}

void PreviewItem::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        emit nudged({-step, 0});
        break;
    case Qt::Key_Right:
        emit nudged({step, 0});
        break;
    case Qt::Key_Up:
        emit nudged({0, -step});
        break;
    case Qt::Key_Down:
        emit nudged({0, step});
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PreviewItem::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace orvex
