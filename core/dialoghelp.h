// F1 in a dialog opens the help topic the dialog names. One filter on the application sees the
// key wherever the focus sits inside the dialog, so no dialog handles it itself.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// The help topics of the dialogs.
inline constexpr unsigned kHelpTopicDownload = 3;
inline constexpr unsigned kHelpTopicCheckSolutions = 16;
inline constexpr unsigned kHelpTopicGames = 17;
inline constexpr unsigned kHelpTopicCollections = 18;
// Not a page of its own: it shows the contents.
inline constexpr unsigned kHelpTopicMusicDialog = 21;

// The topic F1 opens while pDialog (or anything inside it) has the focus.
void SetDialogHelpTopic(QWidget* pDialog, unsigned nTopic);

class CDialogHelpKey : public QObject {
public:
    explicit CDialogHelpKey(std::function<void(unsigned nTopic)> fnShowTopic,
                            QObject* pParent = nullptr);

    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    std::function<void(unsigned)> m_fnShowTopic;
};
