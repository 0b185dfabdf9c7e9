#include "media/kvmessageboxdialog.h"

#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/kvmessageboxlogic.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kDetailsHeight = 140;

QString ProductName() {
    return QString::fromStdString(GetProductName());
}

QStyle::StandardPixmap IconPixmap(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Information:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_MessageBoxWarning;
    }
}

// A read-only text area that looks like part of the window but can still be selected
// and scrolled.
QPlainTextEdit* MakeTextArea(const QString& strText, QWidget* pParent, bool bFramed) {
    auto* pEdit = new QPlainTextEdit(pParent);
    pEdit->setReadOnly(true);
    pEdit->setPlainText(QString(strText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (!bFramed) {
        pEdit->setFrameShape(QFrame::NoFrame);
        QPalette palette = pEdit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        pEdit->setPalette(palette);
    }
    return pEdit;
}

} // namespace

CKVMessageBoxDialog::CKVMessageBoxDialog(const QString& strMessage, const QString& strCaption,
                                         unsigned nStyle, bool bHasDetails,
                                         const QString& strDetails, bool bShowCheck, bool bCheck,
                                         QWidget* pParent)
    : QDialog(pParent), m_strMessage(strMessage), m_strCaption(strCaption),
      m_strDetails(strDetails), m_nStyle(nStyle), m_bHasDetails(bHasDetails),
      m_bShowCheck(bShowCheck), m_bCheck(bCheck) {
    if (m_strCaption.isEmpty()) m_strCaption = ProductName();
    setWindowTitle(m_strCaption);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    // Icon and message.
    m_pIcon = new QLabel(this);
    m_pIcon->setObjectName(QStringLiteral("icon"));
    const MessageIcon icon = CKVMessageBoxLogic::GetIcon(nStyle);
    if (icon != MessageIcon::None) {
        const int nSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        m_pIcon->setPixmap(style()->standardIcon(IconPixmap(icon), nullptr, this).pixmap(nSize));
        m_pIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    } else {
        m_pIcon->hide();
    }
    m_pMessage = MakeTextArea(strMessage, this, false);
    m_pMessage->setObjectName(QStringLiteral("message"));
    FitMessageArea(icon == MessageIcon::None ? 0 : m_pIcon->sizeHint().height());
    auto* pTop = new QHBoxLayout;
    pTop->setSpacing(12);
    pTop->addWidget(m_pIcon);
    pTop->addWidget(m_pMessage, 1);

    // Details button, check box and the three button positions.
    const bool bHelpLink = CKVMessageBoxLogic::GetHelpTopic(strDetails) >= 0;
    m_pDetailsButton =
        new QPushButton(LocalizedText(bHelpLink ? IDS_DIALOG_KV_MESSAGE_BOX_DETAILS_D
                                                : IDS_DIALOG_KV_MESSAGE_BOX_SHOW_DETAILS),
                        this);
    m_pDetailsButton->setObjectName(QStringLiteral("details"));
    m_pDetailsButton->setEnabled(bHasDetails);
    m_pDetailsButton->setAutoDefault(false);
    connect(m_pDetailsButton, &QPushButton::clicked, this, &CKVMessageBoxDialog::OnDetails);

    m_pCheck = new QCheckBox(LocalizedText(IDS_DIALOG_KV_MESSAGE_BOX_SHOW_NEXT_TIME), this);
    m_pCheck->setObjectName(QStringLiteral("check"));
    m_pCheck->setChecked(bCheck);
    m_pCheck->setVisible(bShowCheck);

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_pDetailsButton);
    pButtons->addWidget(m_pCheck);
    pButtons->addStretch(1);
    const MessageButtonRow row = CKVMessageBoxLogic::GetButtons(nStyle);
    static const char* const szaNames[] = {"left", "middle", "right"};
    for (int n = 0; n < 3; ++n) {
        const MessageButton& button = row[static_cast<size_t>(n)];
        auto* pButton = new QPushButton(this);
        pButton->setObjectName(QString::fromLatin1(szaNames[n]));
        if (button.nTextId != 0)
            pButton->setText(LocalizedText(button.nTextId));
        else
            pButton->hide();
        connect(pButton, &QPushButton::clicked, this, [this, n] { OnButton(n); });
        pButtons->addWidget(pButton);
        m_apButtons[static_cast<size_t>(n)] = pButton;
    }
    m_apButtons[static_cast<size_t>(CKVMessageBoxLogic::GetDefaultPosition(nStyle))]->setDefault(
        true);

    m_pDetails = MakeTextArea(bHelpLink ? QString() : strDetails, this, true);
    m_pDetails->setObjectName(QStringLiteral("detailsPane"));
    m_pDetails->setFixedHeight(kDetailsHeight);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    pLayout->addLayout(pTop);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(m_pDetails);

    // Both heights, measured once; the box opens collapsed.
    pLayout->activate();
    m_nExpandedHeight = sizeHint().height();
    m_pDetails->hide();
    pLayout->activate();
    m_nCollapsedHeight = sizeHint().height();
    resize(sizeHint());
}

void CKVMessageBoxDialog::FitMessageArea(int nMinHeight) {
    const QFontMetrics metrics = m_pMessage->fontMetrics();
    const QStringList saLines = m_pMessage->toPlainText().split(u'\n');
    // Margins, frame and the cursor's room, so that a line measured to fit also does.
    const int nPadding = 2 * static_cast<int>(m_pMessage->document()->documentMargin()) +
                         2 * m_pMessage->frameWidth() + 8;
    // As wide as the longest line, up to the 80 characters the size rule counts.
    const int nMaxWidth = std::clamp(metrics.averageCharWidth() * 80 + 24, 360, 720);
    int nLongest = 0;
    for (const QString& strLine : saLines)
        nLongest = std::max(nLongest, metrics.horizontalAdvance(strLine));
    // Two characters of air after the longest line, so that a report does not touch the edge.
    const int nWidth =
        std::clamp(nLongest + nPadding + 2 * metrics.averageCharWidth(), 240, nMaxWidth);
    m_pMessage->setFixedWidth(nWidth);
    // As tall as its wrapped lines, never taller than the size rule allows; beyond that it
    // scrolls.
    int nLines = 0;
    const QRect wrapArea(0, 0, nWidth - nPadding + 4, 1 << 20);
    for (const QString& strLine : saLines)
        nLines += std::max(
            1, metrics.boundingRect(wrapArea, Qt::TextWordWrap | Qt::TextWrapAnywhere, strLine)
                       .height() /
                   metrics.lineSpacing());
    const int nText = nLines * metrics.lineSpacing() + nPadding;
    const int nMaxHeight = kBaseMessageHeight + CKVMessageBoxLogic::GetGrowth(m_strMessage);
    m_pMessage->setFixedHeight(std::max(std::min(nText, nMaxHeight), nMinHeight));
    m_pMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pMessage->setVerticalScrollBarPolicy(nText <= nMaxHeight ? Qt::ScrollBarAlwaysOff
                                                               : Qt::ScrollBarAsNeeded);
}

void CKVMessageBoxDialog::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    Recentre();
    // Focus moves may have handed the default look to another button; restore it.
    QTimer::singleShot(0, this, [this] {
        const int nDefault = CKVMessageBoxLogic::GetDefaultPosition(m_nStyle);
        for (int n = 0; n < 3; ++n)
            m_apButtons[static_cast<size_t>(n)]->setDefault(n == nDefault);
        m_apButtons[static_cast<size_t>(nDefault)]->setFocus();
    });
}

void CKVMessageBoxDialog::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_F1 && pEvent->modifiers() == Qt::NoModifier) {
        if (m_fnHelp) m_fnHelp(kHelpTopicContents);
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CKVMessageBoxDialog::SetHelpHandler(std::function<void(unsigned nTopic)> fnHelp) {
    m_fnHelp = std::move(fnHelp);
}

void CKVMessageBoxDialog::reject() {
    const int nResult = CKVMessageBoxLogic::GetEscapeResult(m_nStyle);
    if (nResult != 0) Finish(nResult);
}

void CKVMessageBoxDialog::OnButton(int nPosition) {
    const MessageButtonRow row = CKVMessageBoxLogic::GetButtons(m_nStyle);
    Finish(row[static_cast<size_t>(nPosition)].nResult);
}

void CKVMessageBoxDialog::OnDetails() {
    const int nTopic = CKVMessageBoxLogic::GetHelpTopic(m_strDetails);
    if (nTopic >= 0) {
        if (m_fnHelp) m_fnHelp(static_cast<unsigned>(nTopic));
        return;
    }
    SetDetailsShown(!m_bDetailsShown);
}

void CKVMessageBoxDialog::SetDetailsShown(bool bShown) {
    m_bDetailsShown = bShown;
    m_pDetails->setVisible(bShown);
    m_pDetailsButton->setText(LocalizedText(bShown ? IDS_DIALOG_KV_MESSAGE_BOX_HIDE_DETAILS
                                                   : IDS_DIALOG_KV_MESSAGE_BOX_SHOW_DETAILS));
    layout()->activate();
    resize(width(), bShown ? m_nExpandedHeight : m_nCollapsedHeight);
    Recentre();
}

void CKVMessageBoxDialog::Finish(int nResult) {
    m_nResult = nResult;
    if (m_bShowCheck) m_bCheck = m_pCheck->isChecked();
    done(nResult);
}

void CKVMessageBoxDialog::Recentre() {
    QRect area;
    if (const QWidget* pOwner = parentWidget() ? parentWidget()->window() : nullptr)
        area = pOwner->frameGeometry();
    else if (const QScreen* pScreen = screen())
        area = pScreen->availableGeometry();
    if (area.isEmpty()) return;
    const QSize size(width(), height());
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

int ShowKVMessageBox(const QString& strMessage, const QString& strCaption, unsigned nStyle,
                     bool bHasDetails, const QString& strDetails, bool bShowCheck, bool bCheck) {
    CKVMessageBoxDialog box(strMessage, strCaption, nStyle, bHasDetails, strDetails, bShowCheck,
                            bCheck, QApplication::activeWindow());
    box.exec();
    return box.GetResult() != 0 ? box.GetResult() : CKVMessageBoxLogic::GetClosedResult(nStyle);
}
