// The desktop's file, folder and colour choosers. Dialogs ask through this so that tests can
// answer without a window.
#pragma once

#include <QString>

#include <cstdint>

class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    // strFilter in Qt's form ("Text files (*.txt);;All files (*)"). Empty when cancelled.
    virtual QString ChooseOpenFile(const QString& strCaption, const QString& strStartPath,
                                   const QString& strFilter) = 0;
    virtual QString ChooseSaveFile(const QString& strCaption, const QString& strStartPath,
                                   const QString& strFilter) = 0;
    virtual QString ChooseFolder(const QString& strCaption, const QString& strStartFolder) = 0;
    // Colours as 0xRRGGBB. False when cancelled; nChosen is then unchanged.
    virtual bool ChooseColor(std::uint32_t nInitial, std::uint32_t& nChosen) = 0;
};
