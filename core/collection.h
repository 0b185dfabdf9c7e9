// The player's two question lists, My Favorite and Trouble Maker: the items, their file
// (one settings-file section, "fmf 1", "fmf 2" ... or "fmt 1" ... with "question,note"),
// and the order they are always kept in.
#pragma once

#include <QString>

#include <vector>

class IMessagePresenter;

struct CollectionItem {
    QString strQuestion; // "%d %d %d %d", values ascending
    QString strNote;     // lines separated by CR LF
};

struct Collection {
    std::vector<CollectionItem> m_items;
    // The file held lines that did not become items; the next save keeps it as "<name>.bad".
    bool m_bUnreadLines = false;
};

// Values a stored question may hold, whatever the J/Q/K setting: items of J, Q and K stay in
// the list (and the file) while they are switched off; users of the list filter by range.
constexpr unsigned kCollectionMaxValue = 13;

// Four values 1..nMaxValue separated by blanks; strKey receives them sorted ascending as
// "%d %d %d %d". False (strKey untouched) for anything else.
bool GetQuestionKey(const QString& strText, unsigned nMaxValue, QString& strKey);

// The same for a question as the player types it (full-width digits, commas and the like
// allowed), in the current range.
bool GetTypedQuestionKey(const QString& strText, QString& strKey);

// "My Favorite" / "Trouble Maker", "fmf %1" / "fmt %1".
QString GetCollectionSection(bool bMyFavorite);
QString GetCollectionEntryName(bool bMyFavorite, int nNumber);
// The list's name as the manager shows it, and as messages name it.
QString GetCollectionTitle(bool bMyFavorite);
QString GetCollectionTipName(bool bMyFavorite);
// cmf.ini / ctm.ini in the user folder.
QString GetCollectionPath(bool bMyFavorite);

// Replaces the list by the file's content. A missing or unreadable file gives an empty list.
void LoadCollection(Collection& list, const QString& strPath, bool bMyFavorite);

// Normalises the list and rewrites the file whole; the old file stays as it was when the
// save fails. Failures are shown through pMessages (when given); false then.
bool SaveCollection(Collection& list, const QString& strPath, bool bMyFavorite,
                    IMessagePresenter* pMessages);

// Keeps the first item of every question (questions as keys, notes trimmed with CR LF line
// breaks), drops invalid ones and sorts by question with 10..13 after 9.
void NormalizeCollection(Collection& list);

// True when the question, valid in the current range, is in the list.
bool IsInCollection(const QString& strQuestion, const Collection& list);
