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
    ShowKVMessageBox(GetLinkErrorText(nError), LocalizedText(IDS_ERROR_HYPERLINK_CAN_NOT_OPEN_LINK),
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
    if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter ||
        pEvent->key() == Qt::Key_Space) {
        Open();
        return;
    }
    QLabel::keyPressEvent(pEvent);
}

void CHyperLink::UpdateLook() {
    QPalette palette = this->palette();
    const QPalette& desktop = QApplication::palette(this);
    palette.setColor(QPalette::WindowText,
                     desktop.color(m_bVisited ? QPalette::LinkVisited : QPalette::Link));
    setPalette(palette);
    update();
}
