#include "media/desktopchoosers.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

QString CDesktopFileChooser::ChooseOpenFile(const QString& strCaption, const QString& strStartPath,
                                            const QString& strFilter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), strCaption, strStartPath,
                                        strFilter);
}

QString CDesktopFileChooser::ChooseSaveFile(const QString& strCaption, const QString& strStartPath,
                                            const QString& strFilter) {
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), strCaption, strStartPath,
                                        strFilter);
}

QString CDesktopFileChooser::ChooseFolder(const QString& strCaption,
                                          const QString& strStartFolder) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), strCaption,
                                             strStartFolder);
}

bool CDesktopFileChooser::ChooseColor(std::uint32_t nInitial, std::uint32_t& nChosen) {
    const QColor chosen =
        QColorDialog::getColor(QColor::fromRgb(nInitial & 0xFFFFFFu), QApplication::activeWindow());
    if (!chosen.isValid()) return false;
    nChosen = chosen.rgb() & 0xFFFFFFu;
    return true;
}
