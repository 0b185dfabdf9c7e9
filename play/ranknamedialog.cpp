#include "play/ranknamedialog.h"

#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/registrystore.h"
#include "core/stringids.h"
#include "play/worldcuplogic.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRankNameDialog::CRankNameDialog(RankKind kind, const QString& strLastName, QWidget* pParent)
    : QDialog(pParent) {
    SetDialogHelpTopic(this, kHelpTopicGames);
    setWindowTitle(LocalizedText(IDS_DIALOG_RANK_CONGRATULATIONS));
    auto* pPrompt =
        new QLabel(QString::fromStdString(GetEnterNamePrompt(kind, kColumnCurrentLanguage))
                       .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                       .trimmed(),
                   this);
    pPrompt->setObjectName(QStringLiteral("prompt"));
    pPrompt->setWordWrap(true);
    pPrompt->setTextFormat(Qt::PlainText);
    m_pName = new QLineEdit(strLastName, this);
    m_pName->setObjectName(QStringLiteral("name"));
    m_pName->setMaxLength(CRegistryStore::kMaxTextLength);
    m_pName->selectAll();
    auto* pOk = new QPushButton(LocalizedText(IDS_DIALOG_OK), this);
    pOk->setObjectName(QStringLiteral("ok"));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    auto* pMain = new QVBoxLayout(this);
    pMain->addWidget(pPrompt);
    pMain->addWidget(m_pName);
    pMain->addLayout(pButtons);
    setMinimumWidth(420);
}

QString CRankNameDialog::GetName() const {
    return m_pName->text().trimmed();
}
