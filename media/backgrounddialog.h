// The Background dialog: picture on or off, its file, Tile or Stretch, the colour and Reset.
// Every change shows on the main window at once through its CBitmapBackground; putting things
// back after Cancel is CBitmapBackground::RunBackgroundCommand's part.
#pragma once

#include <QDialog>

class CBitmapBackground;
class IFileChooser;
class IMessagePresenter;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

class CBackgroundDialog : public QDialog {
    Q_OBJECT
public:
    // pFiles answers Browse and the colour button (both off without it); pMessages shows the
    // drag tip and the refusal of a file that is no picture. strProductName fills the tip.
    CBackgroundDialog(CBitmapBackground& background, IFileChooser* pFiles,
                      IMessagePresenter* pMessages, const QString& strProductName,
                      QWidget* pParent = nullptr);

    void accept() override;

    // For tests.
    QCheckBox* GetEnableBox() const { return m_pEnable; }
    QLineEdit* GetPathBox() const { return m_pPath; }
    QToolButton* GetBrowseButton() const { return m_pBrowse; }
    QRadioButton* GetModeButton(int nMode) const;
    QPushButton* GetColorButton() const { return m_pColor; }
    QPushButton* GetResetButton() const { return m_pReset; }

private:
    void FillControls();
    void UpdateControlState();
    void OnEnable(bool bChecked);
    void OnBrowse();
    void OnColor();
    void OnReset();
    int ChosenMode() const;

    CBitmapBackground& m_background;
    IFileChooser* m_pFiles = nullptr;
    IMessagePresenter* m_pMessages = nullptr;
    QString m_strProductName;
    QCheckBox* m_pEnable = nullptr;
    QLabel* m_pPathLabel = nullptr;
    QLineEdit* m_pPath = nullptr;
    QToolButton* m_pBrowse = nullptr;
    QLabel* m_pDisplayLabel = nullptr;
    QButtonGroup* m_pModes = nullptr;
    QPushButton* m_pColor = nullptr;
    QPushButton* m_pReset = nullptr;
    bool m_bFilling = false;
};
