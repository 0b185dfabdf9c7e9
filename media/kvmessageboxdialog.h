// The program's own message box: string-table labels on its buttons, an optional
// "Show this message next time" check box and a Details pane or help link.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CKVMessageBoxDialog : public QDialog {
    Q_OBJECT
public:
    // An empty caption shows the product name. The Details button is enabled only when
    // bHasDetails is true; a details text equal to KV_HELP_UG_IRRELEVANT makes it a help link.
    CKVMessageBoxDialog(const QString& strMessage, const QString& strCaption, unsigned nStyle,
                        bool bHasDetails, const QString& strDetails, bool bShowCheck, bool bCheck,
                        QWidget* pParent = nullptr);

    // Opens a help topic for F1 and for a details text that is a help link; without it the
    // box offers no help.
    void SetHelpHandler(std::function<void(unsigned nTopic)> fnHelp);

    // 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No; 0 while still open.
    int GetResult() const { return m_nResult; }
    // The check box as it stood when the box closed (or its initial state).
    bool IsChecked() const { return m_bCheck; }
    bool IsDetailsShown() const { return m_bDetailsShown; }
    int GetCollapsedHeight() const { return m_nCollapsedHeight; }
    int GetExpandedHeight() const { return m_nExpandedHeight; }

    // Height of the message area for an average message; a long or short one changes it by
    // the growth of the size rule.
    static constexpr int kBaseMessageHeight = 152;

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnButton(int nPosition);
    void OnDetails();
    void SetDetailsShown(bool bShown);
    void Finish(int nResult);
    void Recentre();

    std::function<void(unsigned nTopic)> m_fnHelp;
    QString m_strMessage;
    QString m_strCaption;
    QString m_strDetails;
    unsigned m_nStyle = 0;
    bool m_bHasDetails = false;
    bool m_bShowCheck = false;
    bool m_bCheck = false;
    int m_nResult = 0;
    bool m_bDetailsShown = false;
    int m_nCollapsedHeight = 0;
    int m_nExpandedHeight = 0;

    std::array<QPushButton*, 3> m_apButtons{};
    QPushButton* m_pDetailsButton = nullptr;
    QCheckBox* m_pCheck = nullptr;
    QLabel* m_pIcon = nullptr;
    QPlainTextEdit* m_pMessage = nullptr;
    QPlainTextEdit* m_pDetails = nullptr;
};

// Runs the box modally over the active window and returns its result. It offers no help.
int ShowKVMessageBox(const QString& strMessage, const QString& strCaption = QString(),
                     unsigned nStyle = 0, bool bHasDetails = false,
                     const QString& strDetails = QString(), bool bShowCheck = false,
                     bool bCheck = false);
