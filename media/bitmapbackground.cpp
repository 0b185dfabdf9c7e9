#include "media/bitmapbackground.h"

#include "core/pathutils.h"
#include "core/registrystore.h"
#include "media/imagefile.h"

#include <QStringList>

CBitmapBackground::CBitmapBackground(CRegistryStore* pRegistry, QString strAppFolder,
                                     std::function<void()> fnRepaint)
    : m_pRegistry(pRegistry), m_strAppFolder(std::move(strAppFolder)),
      m_fnRepaint(std::move(fnRepaint)) {}

void CBitmapBackground::Changed(bool bRepaint) {
    ++m_nGeneration;
    if (bRepaint && m_fnRepaint) m_fnRepaint();
}

void CBitmapBackground::LoadBackgroundSettings() {
    CBackgroundSettings settings;
    if (m_pRegistry)
        settings = ReadBackgroundSettings(*m_pRegistry, m_strAppFolder);
    else
        settings.m_strFileName = GetDefaultImage();
    m_nDisplayMode = settings.m_nDisplayMode;
    SetBackgroundColor(settings.m_nBkColor);
    m_strLastImagePath = settings.m_strLastImagePath;
    m_strImagePath = settings.m_bImageEnabled ? settings.m_strFileName : QString();
    SetImageEnabled(settings.m_bImageEnabled);
}

bool CBitmapBackground::SaveBackgroundSettings() {
    if (!m_pRegistry) return false;
    CBackgroundSettings settings;
    settings.m_bImageEnabled = m_bImageEnabled;
    settings.m_nDisplayMode = m_nDisplayMode;
    settings.m_nBkColor = m_nBkColor;
    settings.m_strFileName = m_strImagePath;
    return WriteBackgroundSettings(*m_pRegistry, settings);
}

bool CBitmapBackground::LoadImageFile(const QString& strPath) {
    QImage image;
    if (!ReadImageFile(strPath, image)) return false;
    m_image = std::move(image);
    m_strImagePath = strPath;
    Changed();
    return true;
}

void CBitmapBackground::SetImageEnabled(bool bEnabled) {
    m_bImageEnabled = bEnabled;
    if (bEnabled) {
        // Switched off, the picture's path is forgotten; switching it on again should not
        // leave the window bare, so the picture shown before and then the shipped one follow.
        QStringList saTries;
        if (m_strImagePath.isEmpty())
            saTries << m_strLastImagePath << m_strSwitchedOffPath << GetDefaultImage();
        else
            saTries << (PathExists(m_strImagePath) ? m_strImagePath : m_strLastImagePath);
        bool bLoaded = false;
        for (const QString& strTry : saTries)
            if (!strTry.isEmpty() && (bLoaded = LoadImageFile(strTry))) break;
        // A path that no longer loads shows the colour rather than a stale picture.
        if (!bLoaded) {
            m_strImagePath = saTries.front();
            m_image = QImage();
        }
    } else {
        if (!m_strImagePath.isEmpty()) m_strSwitchedOffPath = m_strImagePath;
        m_strImagePath.clear();
        m_image = QImage();
    }
    Changed();
}

int CBitmapBackground::SetDisplayMode(int nMode, bool bRedraw) {
    if (nMode < 0 || nMode > kDisplayModeLast) return 2;
    m_nDisplayMode = nMode;
    Changed(bRedraw);
    return 0;
}

void CBitmapBackground::SetBackgroundColor(std::uint32_t nColorRef) {
    m_nBkColor = nColorRef & 0xFFFFFFu;
    Changed();
}

void CBitmapBackground::ResetBackground() {
    m_nDisplayMode = kDisplayStretch;
    m_bImageEnabled = true;
    m_strImagePath = GetDefaultImage();
    if (!PathExists(m_strImagePath) || !LoadImageFile(m_strImagePath)) {
        m_strImagePath.clear();
        m_image = QImage();
    }
    SetBackgroundColor(kResetBackColor);
}

void CBitmapBackground::RunBackgroundCommand(const std::function<bool()>& fnRunDialog) {
    const int nMode = m_nDisplayMode;
    const bool bEnabled = m_bImageEnabled;
    const std::uint32_t nColor = m_nBkColor;
    const QString strPath = m_strImagePath;
    const QImage image = m_image; // shared, not copied
    if (fnRunDialog && fnRunDialog()) return;
    if (m_nDisplayMode != nMode) SetDisplayMode(nMode, true);
    if (m_nBkColor != nColor) SetBackgroundColor(nColor);
    // The picture comes back as it was shown, even when its file changed or went meanwhile.
    m_bImageEnabled = bEnabled;
    m_strImagePath = strPath;
    m_image = image;
    Changed();
}
