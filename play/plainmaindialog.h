// A plain main window that carries the start-up path until the game's own main window
// exists: the product name as title, the Tools menu's three languages and the Help menu.
// It answers the other copies: raise on request, close on the close request (1, 2). With a
// music player it has the Music menu and plays the general track.
#pragma once

#include <QMainWindow>

#include <array>

class CHyperLink;
class CMusicPlayer;
class IFileChooser;
class QAction;
class QLabel;
class QMenu;

class CPlainMainDialog : public QMainWindow {
    Q_OBJECT
public:
    explicit CPlainMainDialog(QWidget* pParent = nullptr, CMusicPlayer* pMusic = nullptr,
                              IFileChooser* pFiles = nullptr);
    ~CPlainMainDialog() override;

    // The three language commands, in menu order, and the two Help commands.
    QAction* GetLanguageAction(int nIndex) const;
    QAction* GetHelpAction() const { return m_pHelpAction; }
    QAction* GetAboutAction() const { return m_pAboutAction; }
    // The Music menu's two commands; null without a music player.
    QAction* GetMusicOnAction() const { return m_pMusicOnAction; }
    QAction* GetBackgroundMusicAction() const { return m_pBackgroundMusicAction; }

    // Switches the language by its menu name and relabels the window.
    void OnSelectLanguage(int nIndex);
    // Raises and activates the window, as another copy's start asks.
    void BringToFront();

signals:
    // The window was closed; the program ends with it.
    void Closed();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void Relabel();
    void OnCloseRequest(qint64 nWParam, qint64 nLParam);
    void AddMusicMenu();

    QMenu* m_pToolsMenu = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    std::array<QAction*, 3> m_apLanguages{};
    QAction* m_pHelpAction = nullptr;
    QAction* m_pAboutAction = nullptr;
    CMusicPlayer* m_pMusic = nullptr;
    IFileChooser* m_pFiles = nullptr;
    QMenu* m_pMusicMenu = nullptr;
    QAction* m_pMusicOnAction = nullptr;
    QAction* m_pBackgroundMusicAction = nullptr;
    QLabel* m_pProduct = nullptr;
    QLabel* m_pCompany = nullptr;
    CHyperLink* m_pLink = nullptr;
    bool m_bReleaseNoteDone = false;
};
