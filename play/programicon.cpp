#include "play/programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawCard(int nSize) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal dUnit = nSize / 16.0;
    // A second card behind the first gives the shape away even at 16 pixels.
    painter.setPen(QPen(QColor(40, 40, 40), qMax(1.0, dUnit * 0.6)));
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRoundedRect(QRectF(dUnit * 5, dUnit * 0.5, dUnit * 10, dUnit * 13.5), dUnit * 1.5,
                            dUnit * 1.5);
    painter.setBrush(Qt::white);
    const QRectF front(dUnit * 1, dUnit * 2, dUnit * 10, dUnit * 13.5);
    painter.drawRoundedRect(front, dUnit * 1.5, dUnit * 1.5);
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(6, static_cast<int>(dUnit * 7)));
    painter.setFont(font);
    painter.setPen(QColor(190, 20, 20));
    painter.drawText(front, Qt::AlignCenter, QStringLiteral("24"));
    return pixmap;
}

} // namespace

QIcon GetProgramIcon() {
    static const QIcon icon = [] {
        QIcon result;
        for (const int nSize : {16, 24, 32, 48, 64, 128, 256})
            result.addPixmap(DrawCard(nSize));
        return result;
    }();
    return icon;
}
