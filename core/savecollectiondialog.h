// The export options: title, file path (with a browse button) and what goes into the file.
#pragma once

#include "core/collectionexport.h"

#include <QDialog>

class IFileChooser;
class IMessagePresenter;
class QCheckBox;
class QLineEdit;

class CSaveCollectionDialog : public QDialog {
    Q_OBJECT
public:
    CSaveCollectionDialog(const CollectionExportOptions& options, IFileChooser& files,
                          IMessagePresenter& messages, QWidget* pParent = nullptr);

    // After OK: the options as the player left them.
    CollectionExportOptions GetOptions() const;

    void accept() override;

private:
    void Browse();

    IFileChooser& m_files;
    IMessagePresenter& m_messages;
    QString m_strFolder;
    QLineEdit* m_pTitle = nullptr;
    QLineEdit* m_pPath = nullptr;
    QCheckBox* m_pNotes = nullptr;
    QCheckBox* m_pAnswers = nullptr;
};
