// The manager of one list: the items with their notes and solutions, and the commands Add,
// Delete, Modify, copy to the other list and Save to File. Values 1..13 count as valid
// while it is open.
#pragma once

#include "core/collectionlogic.h"
#include "core/services.h"

#include <QDialog>

class CRegistryStore;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class CCollectionManagerDialog : public QDialog {
    Q_OBJECT
public:
    // services needs the message presenter and the file chooser; the registry keeps the
    // window's choices and the export options.
    CCollectionManagerDialog(Collection& list, const QString& strPath, bool bMyFavorite,
                             Collection& other, const QString& strOtherPath,
                             const CServices& services, CRegistryStore& registry,
                             QWidget* pParent = nullptr);

    // True when either list changed while the manager was open.
    bool HasChanged() const { return m_manager.HasChanged(); }

    void done(int nResult) override;

private:
    void Refill();
    void ShowSelection();
    void ShowSolutionPane(bool bShow);
    int PaneWidth() const;
    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnCopy();
    void OnExport();

    CFullRangeScope m_fullRange;
    CServices m_services;
    CRegistryStore& m_registry;
    CCollectionManager m_manager;
    QTreeWidget* m_pList = nullptr;
    QPlainTextEdit* m_pQuestion = nullptr;
    QPlainTextEdit* m_pSolutions = nullptr;
    QCheckBox* m_pShowSolutions = nullptr;
    QCheckBox* m_pAdvanced = nullptr;
    QPushButton* m_pDelete = nullptr;
    QPushButton* m_pModify = nullptr;
    QPushButton* m_pCopy = nullptr;
    QPushButton* m_pExport = nullptr;
    bool m_bFilling = false;
};
