#include "media/hyperlink.h"

#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/kvmessageboxdialog.h"
#include "media/kvmessageboxlogic.h"
#include "media/linkopening.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

CHyperLink::CHyperLink(QWidget* pParent) : QLabel(pParent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setTextFormat(Qt::PlainText);
    QFont font = this->font();
    font.setUnderline(true);
    setFont(font);
    UpdateLook();
}

void CHyperLink::SetAddress(const QString& strAddress, const QString& strText) {
    m_strAddress = strAddress;
    setText(strText.isEmpty() ? strAddress : strText);
    setToolTip(strAddress);
}

bool CHyperLink::Open() {
    int nError = 0;
    if (OpenLinkAddress(m_strAddress, nError)) {
        m_bVisited = true;
        UpdateLook();
        return true;
    }
    QApplication::beep();
    ShowKVMessageBox(GetLinkErrorText(nError, m_strAddress),
                     LocalizedText(IDS_ERROR_HYPERLINK_CAN_NOT_OPEN_LINK),
                     KV_MB_OK | KV_MB_ICONEXCLAMATION);
    return false;
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton && rect().contains(pEvent->position().toPoint())) {
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(pEvent);
}

void CHyperLink::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_Space && pEvent->modifiers() == Qt::NoModifier) {
        Open();
        return;
    }
    // Enter and everything else go on to the window.
    QLabel::keyPressEvent(pEvent);
}

void CHyperLink::focusInEvent(QFocusEvent* pEvent) {
    // A window that activates hands its focus to the first widget that takes Tab; a link
    // that the player did not choose must not catch the keys meant for the window.
    if (pEvent->reason() == Qt::ActiveWindowFocusReason) {
        clearFocus();
        return;
    }
    QLabel::focusInEvent(pEvent);
}

void CHyperLink::paintEvent(QPaintEvent* pEvent) {
    QLabel::paintEvent(pEvent);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    // Around the text, not the whole width a layout may give the label.
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text()) + QSize(4, 2);
    option.rect = QStyle::alignedRect(layoutDirection(),
                                      QStyle::visualAlignment(layoutDirection(), alignment()),
                                      textSize.boundedTo(contentsRect().size()), contentsRect());
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void CHyperLink::UpdateLook() {
    QPalette palette = this->palette();
    const QPalette& desktop = QApplication::palette(this);
    palette.setColor(QPalette::WindowText,
                     desktop.color(m_bVisited ? QPalette::LinkVisited : QPalette::Link));
    setPalette(palette);
    update();
}
