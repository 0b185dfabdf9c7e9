#include "play/aboutdialog.h"

#include "core/application.h"
#include "core/language.h"
#include "core/localizedtext.h"
#include "core/stringids.h"
#include "media/help.h"
#include "media/hyperlink.h"
#include "play/programicon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* pParent) : QDialog(pParent) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const QString strProduct = QString::fromStdString(GetProductName());
    const QString strCompany = QString::fromStdString(GetCompanyName());
    setWindowTitle(LocalizedText(IDS_DIALOG_ABOUT_TITLE, strProduct));

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(GetProgramIcon().pixmap(48, 48));
    pIcon->setAlignment(Qt::AlignTop);

    m_pVersion = new QLabel(LocalizedText(IDS_DIALOG_ABOUT_COMPANY_PRODUCT_VERSION, strCompany,
                                          strProduct, CApplication::kVersionText),
                            this);
    m_pVersion->setObjectName(QStringLiteral("version"));
    m_pCompany = new QLabel(LocalizedText(IDS_DIALOG_ABOUT_COPYRIGHT, strCompany), this);
    m_pCompany->setObjectName(QStringLiteral("company"));
    m_pLink = new CHyperLink(this);
    m_pLink->setObjectName(QStringLiteral("link"));
    m_pLink->SetAddress(GetMakerHomePage());

    m_pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pOk->setToolTip(LocalizedText(IDS_DIALOG_OK));
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* pText = new QVBoxLayout;
    pText->addWidget(m_pVersion);
    pText->addWidget(m_pCompany);
    pText->addWidget(m_pLink);
    auto* pTop = new QHBoxLayout;
    pTop->addWidget(pIcon);
    pTop->addSpacing(12);
    pTop->addLayout(pText, 1);
    auto* pBottom = new QHBoxLayout;
    pBottom->addStretch(1);
    pBottom->addWidget(m_pOk);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
    pLayout->addLayout(pTop);
    pLayout->addSpacing(8);
    pLayout->addLayout(pBottom);
}
