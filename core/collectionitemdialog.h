// Adds or edits one item of a list: question, note and the question's solutions, recomputed
// as the player types.
#pragma once

#include "core/collection.h"

#include <QDialog>

class IMessagePresenter;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CCollectionItemDialog : public QDialog {
    Q_OBJECT
public:
    // nEditedIndex: the item being edited, -1 for a new one.
    CCollectionItemDialog(const Collection& list, bool bMyFavorite, int nEditedIndex,
                          const CollectionItem& item, bool bAdvanced, IMessagePresenter& messages,
                          QWidget* pParent = nullptr);

    // After OK: the question with its values sorted, and the trimmed note.
    CollectionItem GetItem() const { return m_item; }
    bool IsAdvanced() const;

    void accept() override;

private:
    void Recompute();

    const Collection& m_list;
    int m_nEditedIndex;
    IMessagePresenter& m_messages;
    CollectionItem m_item;
    QLineEdit* m_pQuestion = nullptr;
    QPlainTextEdit* m_pNote = nullptr;
    QPlainTextEdit* m_pSolutions = nullptr;
    QCheckBox* m_pAdvanced = nullptr;
    QPushButton* m_pOk = nullptr;
};
