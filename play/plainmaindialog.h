// A plain main window that carries the start-up path until the game's own main window
// exists: the product name as title, the Tools menu's three languages and the Help menu.
// It answers the other copies: raise on request, close on the close request (1, 2).
#pragma once

#include "core/services.h"

#include <QMainWindow>

#include <array>

class CHyperLink;
class QAction;
class QLabel;
class QMenu;

class CPlainMainDialog : public QMainWindow {
    Q_OBJECT
public:
    // The collection commands need the message presenter and the file chooser of services.
    explicit CPlainMainDialog(const CServices& services = CServices(), QWidget* pParent = nullptr);
    ~CPlainMainDialog() override;

    // The three language commands, in menu order, and the two Help commands.
    QAction* GetLanguageAction(int nIndex) const;
    QAction* GetHelpAction() const { return m_pHelpAction; }
    QAction* GetAboutAction() const { return m_pAboutAction; }
    // Tools: the managers of Trouble Maker and My Favorite.
    QAction* GetCollectionAction(bool bMyFavorite) const {
        return bMyFavorite ? m_pFavoriteAction : m_pTroubleAction;
    }

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

private:
    void Relabel();
    void OnCloseRequest(qint64 nWParam, qint64 nLParam);
    void OnOpenCollection(bool bMyFavorite);

    CServices m_services;
    QMenu* m_pToolsMenu = nullptr;
    QAction* m_pTroubleAction = nullptr;
    QAction* m_pFavoriteAction = nullptr;
    QMenu* m_pHelpMenu = nullptr;
    std::array<QAction*, 3> m_apLanguages{};
    QAction* m_pHelpAction = nullptr;
    QAction* m_pAboutAction = nullptr;
    QLabel* m_pProduct = nullptr;
    QLabel* m_pCompany = nullptr;
    CHyperLink* m_pLink = nullptr;
    bool m_bReleaseNoteDone = false;
};
