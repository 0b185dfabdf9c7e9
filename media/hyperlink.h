// A label that shows an address and opens it on a click: hand cursor, link colour, and
// the visited colour once it was opened. A failure beeps and explains itself in the
// message box. The keyboard reaches it only by Tab, it shows a focus mark then, and Space
// opens it; Enter is left to the window, so that a dialog's default button answers it.
#pragma once

#include <QLabel>
#include <QString>

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CHyperLink(QWidget* pParent = nullptr);

    // The text shown defaults to the address.
    void SetAddress(const QString& strAddress, const QString& strText = QString());
    QString GetAddress() const { return m_strAddress; }
    bool IsVisited() const { return m_bVisited; }

    // Opens the address; true on success. Also what a click does.
    bool Open();

protected:
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void UpdateLook();

    QString m_strAddress;
    bool m_bVisited = false;
};
