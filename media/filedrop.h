// Files dropped on the main window: the first that reads as a picture becomes the background;
// only when none does, the first music file becomes the current situation's track. Folders
// and names where nothing exists are passed over.
#pragma once

#include <QStringList>

class CBitmapBackground;
class CMusicPlayer;
class QMimeData;

enum DropResult {
    kDropNothing = 0,
    kDropImage = 1,
    kDropMusic = 2,
    kDropBusy = 3, // a drop came while another was still being handled
};

class CFileDrop {
public:
    // pPlayer may be null (music files are then passed over).
    CFileDrop(CBitmapBackground& background, CMusicPlayer* pPlayer)
        : m_background(background), m_pPlayer(pPlayer) {}

    int HandleDrop(const QStringList& saNames);

    // The local files a drag carries, in order; empty for anything else.
    static QStringList GetDroppedPaths(const QMimeData* pData);

private:
    CBitmapBackground& m_background;
    CMusicPlayer* m_pPlayer = nullptr;
    bool m_bBusy = false;
};
