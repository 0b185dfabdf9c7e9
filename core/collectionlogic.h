// The decisions of the collection windows, apart from their widgets: what the quick-save and
// item dialogs accept and say, and the manager's selection, commands and enabled controls.
#pragma once

#include "core/collection.h"

#include <QString>

class CRegistryStore;
class IMessagePresenter;

// Quick save into a list: OK only for a valid question not yet in the target list.
struct QuickSaveCheck {
    bool bOk = false;
    QString strStatus; // the status line; empty when there is nothing to say
};
QuickSaveCheck CheckQuickSave(const QString& strQuestion, const Collection& target,
                              bool bTargetMyFavorite);

// The item dialog's live check: OK and the solution box for the question as typed.
struct ItemCheck {
    bool bOk = false;
    QString strSolutions;
};
ItemCheck CheckItemQuestion(const QString& strQuestion, bool bStandard);

enum class ItemVerdict { Invalid, Duplicate, Reordered, Accepted };
// OK in the item dialog. strKey receives the question with its values sorted; strMessage
// what to show (refusal or the reorder notice). nEditedIndex (-1 for a new item) is not
// compared with itself.
ItemVerdict AcceptItemQuestion(const QString& strQuestion, const Collection& list, int nEditedIndex,
                               QString& strKey, QString& strMessage);

// The question-validity message of the current range.
QString GetInvalidQuestionMessage();

// Lets values 1..13 count as valid while it lives, whatever the J/Q/K setting.
class CFullRangeScope {
public:
    CFullRangeScope();
    ~CFullRangeScope();
    CFullRangeScope(const CFullRangeScope&) = delete;
    CFullRangeScope& operator=(const CFullRangeScope&) = delete;

private:
    unsigned m_nOldMaxValue;
};

// One list under management; the other list is the target of the copy command. Every change
// is saved at once.
class CCollectionManager {
public:
    CCollectionManager(Collection& list, const QString& strPath, bool bMyFavorite,
                       Collection& other, const QString& strOtherPath, IMessagePresenter& messages);

    bool IsMyFavorite() const { return m_bMyFavorite; }
    const Collection& GetList() const { return m_list; }
    Collection& GetOther() { return m_other; }
    const QString& GetOtherPath() const { return m_strOtherPath; }

    // -1: nothing selected.
    int GetSelection() const { return m_nSelection; }
    void Select(int nIndex);
    const CollectionItem* GetSelectedItem() const;

    bool CanDelete() const { return m_nSelection >= 0; }
    bool CanModify() const { return m_nSelection >= 0; }
    bool CanExport() const { return !m_list.m_items.empty(); }
    bool CanCopy() const;

    bool IsAdvanced() const { return m_bAdvanced; }
    void SetAdvanced(bool bAdvanced) { m_bAdvanced = bAdvanced; }
    bool IsShowingSolutions() const { return m_bShowSolutions; }
    void SetShowingSolutions(bool bShow) { m_bShowSolutions = bShow; }

    // "question\r\nnote" of the selection, and its solutions under the chosen rule.
    QString GetQuestionText() const;
    QString GetSolutionText() const;

    // Commands: true when the list changed. The item comes from the item dialog (question
    // already sorted, note trimmed).
    bool Add(const CollectionItem& item);
    bool Modify(const CollectionItem& item);
    // Asks the player first.
    bool DeleteSelected();
    // After a quick save into the other list.
    void OtherChanged() { m_bChanged = true; }

    bool HasChanged() const { return m_bChanged; }

    // The two check boxes, read when the manager opens and stored when it closes.
    void LoadSettings(const CRegistryStore& registry);
    void SaveSettings(CRegistryStore& registry) const;

private:
    void SelectQuestion(const QString& strQuestion);
    bool Save();

    Collection& m_list;
    QString m_strPath;
    bool m_bMyFavorite;
    Collection& m_other;
    QString m_strOtherPath;
    IMessagePresenter& m_messages;
    int m_nSelection = -1;
    bool m_bAdvanced = false;
    bool m_bShowSolutions = false;
    bool m_bChanged = false;
};
