#include "media/backgrounddialog.h"

#include "core/filechooser.h"
#include "core/filefilter.h"
#include "core/localizedtext.h"
#include "core/messagepresenter.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "media/backgroundsettings.h"
#include "media/bitmapbackground.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

CBackgroundDialog::CBackgroundDialog(CBitmapBackground& background, IFileChooser* pFiles,
                                     IMessagePresenter* pMessages, const QString& strProductName,
                                     QWidget* pParent)
    : QDialog(pParent), m_background(background), m_pFiles(pFiles), m_pMessages(pMessages),
      m_strProductName(strProductName) {
    setWindowTitle(LocalizedText(IDS_DIALOG_BACKGROUND_CAPTION));

    auto* pGroup = new QGroupBox(LocalizedText(IDS_DIALOG_BACKGROUND_BACKGROUND_IMAGE), this);
    m_pEnable =
        new QCheckBox(LocalizedText(IDS_DIALOG_BACKGROUND_ENABLE_BACKGROUND_IMAGE_E), pGroup);
    m_pPathLabel = new QLabel(LocalizedText(IDS_DIALOG_BACKGROUND_IMAGE_FILE_PATH_P), pGroup);
    m_pPath = new QLineEdit(pGroup);
    m_pPath->setReadOnly(true); // a picture is chosen by Browse, so the box never lies
    m_pPath->setMinimumWidth(320);
    m_pPathLabel->setBuddy(m_pPath);
    m_pBrowse = new QToolButton(pGroup);
    m_pBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_pBrowse->setToolTip(LocalizedText(IDS_TIP_PATH));
    m_pBrowse->setEnabled(m_pFiles != nullptr);
    m_pDisplayLabel = new QLabel(LocalizedText(IDS_DIALOG_BACKGROUND_DISPLAY), pGroup);
    m_pModes = new QButtonGroup(this);
    auto* pModeRow = new QHBoxLayout;
    const std::uint32_t anLabels[] = {IDS_DIALOG_BACKGROUND_TILE, IDS_DIALOG_BACKGROUND_CENTER,
                                      IDS_DIALOG_BACKGROUND_STRETCH};
    for (int n = 0; n < 3; ++n) {
        auto* pButton = new QRadioButton(LocalizedText(anLabels[n]), pGroup);
        m_pModes->addButton(pButton, n);
        pModeRow->addWidget(pButton);
    }
    // Center is kept for stored settings but not offered.
    m_pModes->button(kDisplayCenter)->hide();
    pModeRow->addStretch(1);

    auto* pGrid = new QGridLayout(pGroup);
    pGrid->addWidget(m_pEnable, 0, 0, 1, 3);
    pGrid->addWidget(m_pPathLabel, 1, 0);
    pGrid->addWidget(m_pPath, 1, 1);
    pGrid->addWidget(m_pBrowse, 1, 2);
    pGrid->addWidget(m_pDisplayLabel, 2, 0);
    pGrid->addLayout(pModeRow, 2, 1, 1, 2);

    m_pColor = new QPushButton(LocalizedText(IDS_DIALOG_BACKGROUND_SELECT_COLOR), this);
    m_pColor->setAutoDefault(false);
    m_pColor->setEnabled(m_pFiles != nullptr);
    m_pReset = new QPushButton(LocalizedText(IDS_DIALOG_BACKGROUND_RESET), this);
    m_pReset->setAutoDefault(false);
    auto* pButtons = new QDialogButtonBox(this);
    QPushButton* pOk =
        pButtons->addButton(LocalizedText(IDS_DIALOG_OK), QDialogButtonBox::AcceptRole);
    pOk->setToolTip(LocalizedText(IDS_DIALOG_OK));
    pOk->setDefault(true);
    QPushButton* pCancel =
        pButtons->addButton(LocalizedText(IDS_DIALOG_CANCEL), QDialogButtonBox::RejectRole);
    pCancel->setToolTip(LocalizedText(IDS_DIALOG_CANCEL));

    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pColor);
    pBottom->addWidget(m_pReset);
    pBottom->addStretch(1);
    pBottom->addWidget(pButtons);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pGroup);
    pLayout->addLayout(pBottom);

    connect(m_pEnable, &QCheckBox::toggled, this, &CBackgroundDialog::OnEnable);
    connect(m_pBrowse, &QToolButton::clicked, this, &CBackgroundDialog::OnBrowse);
    connect(m_pModes, &QButtonGroup::idClicked, this,
            [this](int nMode) { m_background.SetDisplayMode(nMode, true); });
    connect(m_pColor, &QPushButton::clicked, this, &CBackgroundDialog::OnColor);
    connect(m_pReset, &QPushButton::clicked, this, &CBackgroundDialog::OnReset);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    FillControls();
}

QRadioButton* CBackgroundDialog::GetModeButton(int nMode) const {
    return qobject_cast<QRadioButton*>(m_pModes->button(nMode));
}

int CBackgroundDialog::ChosenMode() const {
    const int nChosen = m_pModes->checkedId();
    return nChosen < 0 ? m_background.GetDisplayMode() : nChosen;
}

void CBackgroundDialog::FillControls() {
    m_bFilling = true;
    m_pEnable->setChecked(m_background.IsImageEnabled());
    m_pPath->setText(m_background.GetImagePath());
    // A mode the dialog does not offer leaves every choice unticked, and OK keeps it.
    QAbstractButton* pMode = m_pModes->button(m_background.GetDisplayMode());
    if (pMode) {
        pMode->setChecked(true);
    } else if (QAbstractButton* pChecked = m_pModes->checkedButton()) {
        m_pModes->setExclusive(false);
        pChecked->setChecked(false);
        m_pModes->setExclusive(true);
    }
    m_bFilling = false;
    UpdateControlState();
}

void CBackgroundDialog::UpdateControlState() {
    const bool bEnabled = m_pEnable->isChecked();
    m_pPathLabel->setEnabled(bEnabled);
    m_pPath->setEnabled(bEnabled);
    m_pBrowse->setEnabled(bEnabled && m_pFiles != nullptr);
    m_pDisplayLabel->setEnabled(bEnabled);
    for (QAbstractButton* pButton : m_pModes->buttons())
        pButton->setEnabled(bEnabled);
}

void CBackgroundDialog::OnEnable(bool bChecked) {
    if (m_bFilling) return;
    m_background.SetImageEnabled(bChecked);
    m_pPath->setText(m_background.GetImagePath());
    UpdateControlState();
}

void CBackgroundDialog::OnBrowse() {
    if (!m_pFiles) return;
    const QString strChosen = m_pFiles->ChooseOpenFile(
        LocalizedText(IDS_DIALOG_BACKGROUND_FILE_TYPE_TITLE), m_background.GetImagePath(),
        ToQtFileFilter(LocalizedText(IDS_DIALOG_BACKGROUND_FILE_TYPE_IMAGE)));
    if (strChosen.isEmpty()) return;
    if (!m_background.LoadImageFile(strChosen)) {
        if (m_pMessages)
            m_pMessages->ShowMessage(LocalizedText(IDS_DIALOG_BACKGROUND_NOT_AN_IMAGE, strChosen),
                                     QString(), KV_MB_OK | KV_MB_ICONEXCLAMATION);
        return;
    }
    m_pPath->setText(strChosen);
    CRegistryStore* pRegistry = m_background.GetRegistry();
    if (!m_pMessages || !pRegistry || !ReadPromptDrag(*pRegistry)) return;
    MessageRequest request;
    request.strMessage = LocalizedText(IDS_DIALOG_BACKGROUND_PROMPT_DROP, m_strProductName);
    request.nStyle = KV_MB_OK | KV_MB_ICONINFORMATION;
    request.bShowCheck = true;
    request.bCheck = true;
    const MessageAnswer answer = m_pMessages->Present(request);
    WritePromptDrag(*pRegistry, answer.bChecked);
}

void CBackgroundDialog::OnColor() {
    if (!m_pFiles) return;
    const std::uint32_t nStart = ColorRefToRgb(m_background.GetBackgroundColor());
    std::uint32_t nChosen = nStart;
    if (m_pFiles->ChooseColor(nStart, nChosen) && nChosen != nStart)
        m_background.SetBackgroundColor(RgbToColorRef(nChosen));
}

void CBackgroundDialog::OnReset() {
    m_background.ResetBackground();
    FillControls();
}

void CBackgroundDialog::accept() {
    m_background.SetDisplayMode(ChosenMode(), true);
    QDialog::accept();
}
