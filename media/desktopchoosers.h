// The desktop's file, folder and colour choosers: the platform's dialogs over the active window.
#pragma once

#include "core/filechooser.h"

class CDesktopFileChooser : public IFileChooser {
public:
    QString ChooseOpenFile(const QString& strCaption, const QString& strStartPath,
                           const QString& strFilter) override;
    QString ChooseSaveFile(const QString& strCaption, const QString& strStartPath,
                           const QString& strFilter) override;
    QString ChooseFolder(const QString& strCaption, const QString& strStartFolder) override;
    bool ChooseColor(std::uint32_t nInitial, std::uint32_t& nChosen) override;
};
