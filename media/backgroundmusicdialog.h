// The Background Music dialog: the master switch and, per play situation, a switch, a file, a
// browse button and a preview. Its decisions live in CBackgroundMusicLogic.
#pragma once

#include "media/backgroundmusiclogic.h"

#include <QDialog>

#include <array>

class CMusicPlayer;
class CRegistryStore;
class IFileChooser;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class CBackgroundMusicDialog : public QDialog {
    Q_OBJECT
public:
    // Previews play through player; pFiles answers Browse (no browsing without it); pRegistry
    // keeps the folder browsing starts in. After OK the player's record is reloaded.
    CBackgroundMusicDialog(CMusicPlayer& player, IFileChooser* pFiles, CRegistryStore* pRegistry,
                           QWidget* pParent = nullptr);

    void accept() override;

    // For tests: the controls of a row (0 = general .. 6 = World Cup Holy War).
    QCheckBox* GetMusicOnBox() const { return m_pMusicOn; }
    QCheckBox* GetRowBox(int nRow) const { return m_apRows[static_cast<size_t>(nRow)].pCheck; }
    QLineEdit* GetRowPath(int nRow) const { return m_apRows[static_cast<size_t>(nRow)].pPath; }
    QToolButton* GetRowBrowse(int nRow) const {
        return m_apRows[static_cast<size_t>(nRow)].pBrowse;
    }
    QToolButton* GetRowPreview(int nRow) const {
        return m_apRows[static_cast<size_t>(nRow)].pPreview;
    }
    QPushButton* GetResetButton() const { return m_pReset; }

private:
    struct Row {
        QCheckBox* pCheck = nullptr;
        QLineEdit* pPath = nullptr;
        QToolButton* pBrowse = nullptr;
        QToolButton* pPreview = nullptr;
    };

    void FillControls();
    void ReadControls();
    void UpdateControlState();
    void OnBrowse(int nRow);
    void OnPreview(int nRow);
    void OnReset();

    CMusicPlayer& m_player;
    IFileChooser* m_pFiles = nullptr;
    CRegistryStore* m_pRegistry = nullptr;
    CBackgroundMusicLogic m_logic;
    QCheckBox* m_pMusicOn = nullptr;
    QGroupBox* m_pGroup = nullptr;
    std::array<Row, kMusicContextCount> m_apRows{};
    QPushButton* m_pReset = nullptr;
    bool m_bFilling = false;  // control changes while filling are not the player's
    bool m_bUpdating = false; // the state rule does not re-enter itself
};
