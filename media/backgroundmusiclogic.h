// The decisions of the Background Music dialog, apart from its widgets: the working copy of the
// settings, which controls are enabled or shown, where browsing starts, preview, Reset and OK.
#pragma once

#include "media/musicsettings.h"

#include <QString>

#include <array>

class CMusicPlayer;
class IMessagePresenter;

struct CMusicRowState {
    bool bCheckEnabled = false;
    bool bPathEnabled = false; // the path box and its browse button
    bool bPreviewShown = false;
};

struct CMusicDialogState {
    bool bGroupEnabled = false;
    std::array<CMusicRowState, kMusicContextCount> aRows{};
};

class CBackgroundMusicLogic {
public:
    // pMessages tells the player when music.ini cannot be written.
    explicit CBackgroundMusicLogic(CMusicPaths paths, IMessagePresenter* pMessages = nullptr)
        : m_paths(std::move(paths)), m_pMessages(pMessages) {}

    // The working copy, read from music.ini when the dialog opens.
    void Load() { LoadMusicSettings(m_settings, m_paths, false); }
    CMusicSettings& WorkingCopy() { return m_settings; }
    const CMusicSettings& WorkingCopy() const { return m_settings; }

    // Reset offers the shipped defaults, so it needs them.
    bool CanReset() const;
    void Reset() { LoadMusicSettings(m_settings, m_paths, true); }

    // The rows follow the master switch; a row's path follows its check box; the preview
    // button only appears for a file that can be played.
    static CMusicDialogState GetControlState(const CMusicSettings& settings);

    // The label of a row ("World Cup - &Hero Level" for the World Cup rows).
    static QString GetRowLabel(int nRow);

    // Browsing starts in the folder of the path in the box, else in the remembered folder.
    static QString GetBrowseStart(const QString& strBoxPath, const QString& strLastFolder);
    // The folder to remember after a file was chosen.
    static QString GetFolderToRemember(const QString& strChosen);

    // Plays a limited preview when the box names a music file; false when it does not.
    static bool Preview(const QString& strBoxPath, CMusicPlayer& player);

    // OK: trims the paths and saves the working copy to music.ini; false when it cannot be
    // written (the dialog then stays open, nothing is lost).
    bool Accept();

private:
    CMusicPaths m_paths;
    IMessagePresenter* m_pMessages = nullptr;
    CMusicSettings m_settings;
};
