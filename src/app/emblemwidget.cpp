#include "emblemwidget.h"

#include <QPainter>
#include <QPainterPath>

EmblemWidget::EmblemWidget(QWidget* parent)
    : QWidget(parent)
{
}

void EmblemWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) * 0.9;
    const QPointF centre(width() / 2.0, height() / 2.0);
    const QRectF disc(centre.x() - side / 2, centre.y() - side / 2, side, side);

    painter.setPen(QPen(QColor(0x1f, 0x3a, 0x8a), side * 0.02));
    painter.setBrush(QColor(0xff, 0xc8, 0x1e));
    painter.drawEllipse(disc);

    const qreal r = side * 0.36;
    QPainterPath triangle;
    triangle.moveTo(centre.x(), centre.y() - r);
    triangle.lineTo(centre.x() + r * 0.866, centre.y() + r * 0.5);
    triangle.lineTo(centre.x() - r * 0.866, centre.y() + r * 0.5);
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x3a, 0x8a));
    painter.drawPath(triangle);

    QFont letters(QStringLiteral("Arial"));
    letters.setBold(true);
    letters.setPixelSize(int(side * 0.11));
    painter.setFont(letters);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(centre.x() - r, centre.y() - r * 0.05, 2 * r, r * 0.5),
        Qt::AlignCenter, QStringLiteral("P.C."));
}
