// The in-app help viewer: one window that shows the pages of a help set, follows links
// between them, keeps a back/forward history and hands web links to the browser.
#pragma once

#include <QDialog>
#include <QString>

class IDesktopOpener;
class QListWidget;
class QTextBrowser;
class QToolButton;
class QUrl;

class CHelpViewerDialog : public QDialog {
    Q_OBJECT
public:
    // pDesktop opens the web links and the files a page links to; may be null.
    explicit CHelpViewerDialog(IDesktopOpener* pDesktop, QWidget* pParent = nullptr);

    // strWindow: "FullScreen" (large, with the contents list), "FullWindowSingleTopic"
    // (large, the page alone) or "ReleaseNote" (a smaller window).
    void ShowPage(const QString& strHelpFolder, const QString& strPage, const QString& strWindow);

    QString GetWindowName() const { return m_strWindow; }
    QString GetHelpFolder() const { return m_strHelpFolder; }
    QTextBrowser* GetBrowser() const { return m_pBrowser; }
    QListWidget* GetContents() const { return m_pContents; }

private:
    void OnAnchorClicked(const QUrl& url);
    void OnSourceChanged(const QUrl& url);
    void FillContents();
    void ApplyWindowSize();
    void OpenOnDesktop(const QString& strAddress);

    IDesktopOpener* m_pDesktop = nullptr;

    QTextBrowser* m_pBrowser = nullptr;
    QListWidget* m_pContents = nullptr;
    QToolButton* m_pBack = nullptr;
    QToolButton* m_pForward = nullptr;
    QToolButton* m_pHome = nullptr;
    QString m_strHelpFolder;
    QString m_strWindow;
};
