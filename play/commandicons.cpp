#include "play/commandicons.h"

#include "play/paintedicon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

struct IconLook {
    QColor color;
    const char* szGlyph;
};

IconLook GetLook(CommandIcon icon) {
    switch (icon) {
    case CommandIcon::StandardRule:
        return {QColor(0x2e, 0x7d, 0x32), "+\u2212"};
    case CommandIcon::AdvancedRule:
        return {QColor(0x6a, 0x1b, 0x9a), "x\u02b8"};
    case CommandIcon::JQK:
        return {QColor(0xc6, 0x28, 0x28), "JQK"};
    case CommandIcon::Training:
        return {QColor(0x15, 0x65, 0xc0), "T"};
    case CommandIcon::TrainingGame:
        return {QColor(0x00, 0x83, 0x8f), "G"};
    case CommandIcon::WorldCup:
        return {QColor(0xf9, 0xa8, 0x25), "W"};
    case CommandIcon::CheckSolution:
        return {QColor(0x37, 0x47, 0x4f), "?"};
    case CommandIcon::SaveTroubleMaker:
        return {QColor(0xd8, 0x43, 0x15), "+!"};
    case CommandIcon::SaveMyFavorite:
        return {QColor(0xad, 0x14, 0x57), "+\u2665"};
    case CommandIcon::Exit:
        return {QColor(0x61, 0x61, 0x61), ""};
    case CommandIcon::TroubleMaker:
        return {QColor(0xd8, 0x43, 0x15), "!"};
    case CommandIcon::MyFavorite:
        return {QColor(0xad, 0x14, 0x57), "\u2665"};
    case CommandIcon::CompleteList:
        return {QColor(0x45, 0x5a, 0x64), "\u2261"};
    case CommandIcon::Help:
        return {QColor(0x02, 0x77, 0xbd), "F1"};
    case CommandIcon::About:
        return {QColor(0x02, 0x77, 0xbd), "i"};
    }
    return {Qt::gray, ""};
}

QPixmap DrawIcon(CommandIcon icon, bool bExit, int nSize, bool bDisabled) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const IconLook look = GetLook(icon);
    QColor color = look.color;
    if (bDisabled) color = QColor(0xb0, 0xb4, 0xb8);
    const QRectF rect(1, 1, nSize - 2, nSize - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, nSize * 0.22, nSize * 0.22);
    QFont font;
    font.setBold(true);
    const QString strGlyph = QString::fromUtf8(look.szGlyph);
    font.setPixelSize(static_cast<int>(nSize * (strGlyph.size() > 2 ? 0.36 : 0.55)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect, Qt::AlignCenter, strGlyph);
    if (icon == CommandIcon::Exit) {
        // A power symbol: an open ring with a bar through its gap.
        painter.setPen(QPen(Qt::white, nSize * 0.09, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const QRectF ring(nSize * 0.26, nSize * 0.28, nSize * 0.48, nSize * 0.48);
        painter.drawArc(ring, 120 * 16, 300 * 16);
        painter.drawLine(QPointF(nSize * 0.5, nSize * 0.2), QPointF(nSize * 0.5, nSize * 0.5));
    }
    if (bExit) {
        // The leave mark: a white disc with a red cross in the lower right corner.
        const QRectF badge(nSize * 0.5, nSize * 0.5, nSize * 0.48, nSize * 0.48);
        painter.setBrush(Qt::white);
        painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), nSize * 0.05));
        painter.drawEllipse(badge);
        painter.setPen(QPen(QColor(0xc6, 0x28, 0x28), nSize * 0.08, Qt::SolidLine, Qt::RoundCap));
        const QRectF cross =
            badge.adjusted(nSize * 0.13, nSize * 0.13, -nSize * 0.13, -nSize * 0.13);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
    }
    return pixmap;
}

} // namespace

QIcon GetCommandIcon(CommandIcon icon, bool bExit) {
    return CPaintedIconEngine::MakeIcon(
        [icon, bExit](int nSize, bool bDisabled) {
            return DrawIcon(icon, bExit, nSize, bDisabled);
        },
        {16, 24, 32, 48});
}

QPixmap GetVerdictPixmap(bool bCorrect, int nSize) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor color = bCorrect ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(QRectF(1, 1, nSize - 2, nSize - 2));
    painter.setPen(QPen(Qt::white, nSize * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (bCorrect) {
        QPainterPath tick;
        tick.moveTo(nSize * 0.28, nSize * 0.52);
        tick.lineTo(nSize * 0.44, nSize * 0.68);
        tick.lineTo(nSize * 0.72, nSize * 0.34);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(nSize * 0.33, nSize * 0.33), QPointF(nSize * 0.67, nSize * 0.67));
        painter.drawLine(QPointF(nSize * 0.67, nSize * 0.33), QPointF(nSize * 0.33, nSize * 0.67));
    }
    return pixmap;
}
