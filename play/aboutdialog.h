// The About box: icon, version and company lines, and the maker's home page as a link.
#pragma once

#include <QDialog>

class CHyperLink;
class QLabel;
class QPushButton;

class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* pParent = nullptr);

    CHyperLink* GetLink() const { return m_pLink; }

private:
    QLabel* m_pVersion = nullptr;
    QLabel* m_pCompany = nullptr;
    CHyperLink* m_pLink = nullptr;
    QPushButton* m_pOk = nullptr;
};
