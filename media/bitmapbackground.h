// The main window's background: colour, picture and display mode, live in memory, read from
// the registry store when the window opens and written when it closes. The window holds one,
// paints it with CBackgroundPainter and is told to repaint through fnRepaint.
#pragma once

#include "media/backgroundsettings.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

class CRegistryStore;

class CBitmapBackground {
public:
    // pRegistry may be null (nothing is read or kept); strAppFolder holds images/back.bmp.
    CBitmapBackground(CRegistryStore* pRegistry, QString strAppFolder,
                      std::function<void()> fnRepaint = {});

    void SetRepaint(std::function<void()> fnRepaint) { m_fnRepaint = std::move(fnRepaint); }

    void LoadBackgroundSettings();
    // False when the store cannot be written; what is on screen stays.
    bool SaveBackgroundSettings();

    // False, changing nothing, for a file that does not read as a picture.
    bool LoadImageFile(const QString& strPath);
    void SetImageEnabled(bool bEnabled);
    // 0, or 2 when nMode is above 12 (nothing changes then).
    int SetDisplayMode(int nMode, bool bRedraw);
    void SetBackgroundColor(std::uint32_t nColorRef);
    void ResetBackground();

    // The "Background..." command: fnRunDialog runs the dialog and tells whether it ended
    // with OK; otherwise whatever the dialog changed is put back.
    void RunBackgroundCommand(const std::function<bool()>& fnRunDialog);

    bool IsImageEnabled() const { return m_bImageEnabled; }
    const QString& GetImagePath() const { return m_strImagePath; }
    int GetDisplayMode() const { return m_nDisplayMode; }
    std::uint32_t GetBackgroundColor() const { return m_nBkColor; }
    bool HasImage() const { return !m_image.isNull(); }
    const QImage& GetImage() const { return m_image; }
    QString GetDefaultImage() const { return GetDefaultImagePath(m_strAppFolder); }
    CRegistryStore* GetRegistry() const { return m_pRegistry; }
    // Grows with every change that alters the picture on screen.
    std::uint64_t GetGeneration() const { return m_nGeneration; }

private:
    void Changed(bool bRepaint = true);

    CRegistryStore* m_pRegistry = nullptr;
    QString m_strAppFolder;
    std::function<void()> m_fnRepaint;
    std::uint32_t m_nBkColor = kDefaultBackColor;
    bool m_bImageEnabled = true;
    QString m_strImagePath;
    QImage m_image;
    int m_nDisplayMode = kDisplayStretch;
    QString m_strLastImagePath;
    QString m_strSwitchedOffPath; // the picture shown before it was switched off
    std::uint64_t m_nGeneration = 0;
};
