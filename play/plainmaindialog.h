// A plain main window that carries the start-up path until the game's own main window
// exists: the product name as title, the Tools menu's three languages and the Help menu.
// What a main window owes the program (other copies, release notes, language) is in its
// session; this class only holds the widgets.
#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <vector>

class CApplication;
class CHyperLink;
class CMainWindowSession;
class QAction;
class QLabel;
class QMenu;

class CPlainMainDialog : public QMainWindow {
    Q_OBJECT
public:
    explicit CPlainMainDialog(CApplication& app, QWidget* pParent = nullptr);
    ~CPlainMainDialog() override;

    // The three language commands, in menu order, and the two Help commands.
    QAction* GetLanguageAction(int nIndex) const;
    QAction* GetHelpAction() const { return m_pHelpAction; }
    QAction* GetAboutAction() const { return m_pAboutAction; }
    CMainWindowSession* GetSession() const { return m_pSession; }

    // Switches the language by its menu index and relabels the window.
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
    // Menus and commands whose labels come from the string table; Relabel sets them all.
    QMenu* AddMenu(std::uint32_t nTextId);
    QAction* AddCommand(QMenu* pMenu, std::uint32_t nTextId);
    void BuildToolsMenu();
    void BuildHelpMenu();
    void Relabel();

    struct Labelled {
        QMenu* pMenu = nullptr;
        QAction* pAction = nullptr;
        std::uint32_t nTextId = 0;
    };

    CApplication& m_app;
    CMainWindowSession* m_pSession = nullptr;
    std::vector<Labelled> m_labelled;
    std::array<QAction*, 3> m_apLanguages{};
    QAction* m_pHelpAction = nullptr;
    QAction* m_pAboutAction = nullptr;
    QLabel* m_pProduct = nullptr;
    QLabel* m_pCompany = nullptr;
    CHyperLink* m_pLink = nullptr;
};
