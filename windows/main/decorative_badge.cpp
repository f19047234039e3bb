#include "windows/main/decorative_badge.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvex {

QPixmap decorativeBadge(int width, int height) {
    QPixmap badge(width, height);
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
    gradient.setColorAt(1, QColor(0x2f, 0x9e, 0xc4));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(height * 11 / 20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QStringLiteral("ORVEX"));
    return badge;
}

} // namespace orvex
