#include "core/collectionmanagerdialog.h"

#include "core/collectionexport.h"
#include "core/collectionitemdialog.h"
#include "core/dialoghelp.h"
#include "core/localizedtext.h"
#include "core/savecollectiondialog.h"
#include "core/savetocollectiondialog.h"
#include "core/stringids.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFullWidth = 660;

QString ForTextBox(const QString& strText) {
    return QString(strText).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// A note's first line stands for it in the list.
QString FirstLine(const QString& strNote) {
    return strNote.section(QLatin1String("\r\n"), 0, 0);
}

QPushButton* MakeButton(std::uint32_t nTipId, const char* szName, QWidget* pParent) {
    auto* pButton = new QPushButton(LocalizedText(nTipId), pParent);
    pButton->setObjectName(szName);
    pButton->setToolTip(LocalizedText(nTipId));
    pButton->setAutoDefault(false);
    return pButton;
}

} // namespace

CCollectionManagerDialog::CCollectionManagerDialog(Collection& list, const QString& strPath,
                                                   bool bMyFavorite, Collection& other,
                                                   const QString& strOtherPath,
                                                   const CServices& services,
                                                   CRegistryStore& registry, QWidget* pParent)
    : QDialog(pParent), m_services(services), m_registry(registry),
      m_manager(list, strPath, bMyFavorite, other, strOtherPath, *services.pMessages) {
    SetDialogHelpTopic(this, kHelpTopicCollections);
    setWindowTitle(GetCollectionTitle(bMyFavorite));
    m_manager.LoadSettings(m_registry);

    m_pList = new QTreeWidget(this);
    m_pList->setObjectName("list");
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setHeaderLabels({LocalizedText(IDS_KVT_ID), LocalizedText(IDS_DIALOG_FM_QUESTION),
                              LocalizedText(IDS_KVT_NOTE)});
    m_pList->setColumnWidth(0, 48);
    m_pList->setColumnWidth(1, 110);
    m_pQuestion = new QPlainTextEdit(this);
    m_pQuestion->setObjectName("questionBox");
    m_pQuestion->setReadOnly(true);
    m_pQuestion->setMaximumHeight(90);
    m_pSolutions = new QPlainTextEdit(this);
    m_pSolutions->setObjectName("solutions");
    m_pSolutions->setReadOnly(true);
    m_pSolutions->setFixedWidth(220);
    m_pShowSolutions = new QCheckBox(LocalizedText(IDS_DIALOG_FM_SHOW_SOLUTION_S), this);
    m_pShowSolutions->setObjectName("showSolution");
    m_pShowSolutions->setChecked(m_manager.IsShowingSolutions());
    m_pAdvanced = new QCheckBox(LocalizedText(IDS_DIALOG_FM_ENABLE_POWER_ROOT_E), this);
    m_pAdvanced->setObjectName("powerRoot");
    m_pAdvanced->setChecked(m_manager.IsAdvanced());

    auto* pAdd = MakeButton(IDS_TIP_ADD, "add", this);
    m_pDelete = MakeButton(IDS_TIP_DELETE, "delete", this);
    m_pModify = MakeButton(IDS_TIP_MODIFY, "modify", this);
    m_pCopy = MakeButton(bMyFavorite ? IDS_TIP_SAVE_TROUBLE : IDS_TIP_SAVE_FAVORITE, "copy", this);
    m_pExport = MakeButton(IDS_TIP_SAVE, "export", this);
    auto* pExit = MakeButton(IDS_TIP_EXIT, "exit", this);

    auto* pLeft = new QVBoxLayout;
    pLeft->addWidget(m_pList, 1);
    pLeft->addWidget(m_pQuestion);
    pLeft->addWidget(m_pShowSolutions);
    pLeft->addWidget(m_pAdvanced);
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {pAdd, m_pDelete, m_pModify, m_pCopy, m_pExport})
        pButtons->addWidget(pButton);
    pButtons->addStretch();
    pButtons->addWidget(pExit);
    pLeft->addLayout(pButtons);
    auto* pMain = new QHBoxLayout(this);
    pMain->addLayout(pLeft, 1);
    pMain->addWidget(m_pSolutions);

    connect(m_pList, &QTreeWidget::currentItemChanged, this, [this] {
        if (m_bFilling) return;
        m_manager.Select(m_pList->indexOfTopLevelItem(m_pList->currentItem()));
        ShowSelection();
    });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* pItem) {
        m_manager.Select(m_pList->indexOfTopLevelItem(pItem));
        OnModify();
    });
    connect(m_pAdvanced, &QCheckBox::toggled, this, [this](bool bChecked) {
        m_manager.SetAdvanced(bChecked);
        ShowSelection();
    });
    connect(m_pShowSolutions, &QCheckBox::toggled, this,
            &CCollectionManagerDialog::ShowSolutionPane);
    connect(pAdd, &QPushButton::clicked, this, &CCollectionManagerDialog::OnAdd);
    connect(m_pDelete, &QPushButton::clicked, this, &CCollectionManagerDialog::OnDelete);
    connect(m_pModify, &QPushButton::clicked, this, &CCollectionManagerDialog::OnModify);
    connect(m_pCopy, &QPushButton::clicked, this, &CCollectionManagerDialog::OnCopy);
    connect(m_pExport, &QPushButton::clicked, this, &CCollectionManagerDialog::OnExport);
    connect(pExit, &QPushButton::clicked, this, &CCollectionManagerDialog::accept);

    Refill();
    m_pSolutions->setVisible(m_manager.IsShowingSolutions());
    resize(m_manager.IsShowingSolutions() ? kFullWidth : kFullWidth - PaneWidth(), 420);
}

void CCollectionManagerDialog::done(int nResult) {
    m_manager.SaveSettings(m_registry);
    QDialog::done(nResult);
}

void CCollectionManagerDialog::Refill() {
    m_bFilling = true;
    m_pList->clear();
    int nNumber = 0;
    for (const CollectionItem& item : m_manager.GetList().m_items)
        new QTreeWidgetItem(
            m_pList, {QString::number(++nNumber), item.strQuestion, FirstLine(item.strNote)});
    m_bFilling = false;
    ShowSelection();
}

void CCollectionManagerDialog::ShowSelection() {
    const int nSelection = m_manager.GetSelection();
    QTreeWidgetItem* pItem = nSelection >= 0 ? m_pList->topLevelItem(nSelection) : nullptr;
    if (pItem != m_pList->currentItem()) {
        m_bFilling = true;
        m_pList->setCurrentItem(pItem);
        m_bFilling = false;
    }
    if (pItem) m_pList->scrollToItem(pItem);
    m_pDelete->setEnabled(m_manager.CanDelete());
    m_pModify->setEnabled(m_manager.CanModify());
    m_pExport->setEnabled(m_manager.CanExport());
    m_pCopy->setEnabled(m_manager.CanCopy());
    m_pQuestion->setPlainText(ForTextBox(m_manager.GetQuestionText()));
    m_pSolutions->setPlainText(ForTextBox(m_manager.GetSolutionText()));
}

void CCollectionManagerDialog::ShowSolutionPane(bool bShow) {
    m_manager.SetShowingSolutions(bShow);
    const int nWidth = width();
    m_pSolutions->setVisible(bShow);
    layout()->activate();
    // The narrow window ends where the pane begins.
    resize(bShow ? nWidth + PaneWidth() : nWidth - PaneWidth(), height());
    const QRect area = parentWidget() ? parentWidget()->frameGeometry()
                                      : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid()) move(area.center() - rect().center());
    m_pList->setFocus();
}

int CCollectionManagerDialog::PaneWidth() const {
    return m_pSolutions->width() + std::max(layout()->spacing(), 0);
}

void CCollectionManagerDialog::OnAdd() {
    CCollectionItemDialog dialog(m_manager.GetList(), m_manager.IsMyFavorite(), -1,
                                 CollectionItem(), m_manager.IsAdvanced(), *m_services.pMessages,
                                 this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.IsAdvanced() != m_manager.IsAdvanced()) m_pAdvanced->setChecked(dialog.IsAdvanced());
    m_manager.Add(dialog.GetItem());
    Refill();
}

void CCollectionManagerDialog::OnModify() {
    const CollectionItem* pItem = m_manager.GetSelectedItem();
    if (!pItem) return;
    CCollectionItemDialog dialog(m_manager.GetList(), m_manager.IsMyFavorite(),
                                 m_manager.GetSelection(), *pItem, m_manager.IsAdvanced(),
                                 *m_services.pMessages, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.IsAdvanced() != m_manager.IsAdvanced()) m_pAdvanced->setChecked(dialog.IsAdvanced());
    if (m_manager.Modify(dialog.GetItem())) Refill();
}

void CCollectionManagerDialog::OnDelete() {
    if (m_manager.DeleteSelected()) Refill();
}

void CCollectionManagerDialog::OnCopy() {
    const CollectionItem* pItem = m_manager.GetSelectedItem();
    if (!pItem) return;
    CSaveToCollectionDialog dialog(m_manager.GetOther(), m_manager.GetOtherPath(),
                                   !m_manager.IsMyFavorite(), pItem->strQuestion, pItem->strNote,
                                   *m_services.pMessages, this);
    if (dialog.exec() == QDialog::Accepted) m_manager.OtherChanged();
    ShowSelection();
}

void CCollectionManagerDialog::OnExport() {
    const bool bMyFavorite = m_manager.IsMyFavorite();
    CSaveCollectionDialog dialog(ReadExportOptions(m_registry, bMyFavorite), *m_services.pFiles,
                                 *m_services.pMessages, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const CollectionExportOptions options = dialog.GetOptions();
    WriteExportOptions(m_registry, bMyFavorite, options);
    ExportCollection(m_manager.GetList(), options, *m_services.pMessages);
    ShowSelection();
}
