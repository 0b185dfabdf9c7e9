// A value box of the question: free text, as the player types it (the question's check
// judges it, not the box), with up and down arrows that step through 1..maximum.
#pragma once

#include <QAbstractSpinBox>

class CValueBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CValueBox(QWidget* pParent = nullptr);

    QString GetText() const;
    void SetText(const QString& strText);
    void SetMaximum(int nMaximum) { m_nMaximum = nMaximum; }
    int GetMaximum() const { return m_nMaximum; }

    void stepBy(int nSteps) override;
    QValidator::State validate(QString& strInput, int& nPos) const override;

signals:
    void TextEdited();

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_nMaximum = 13;
};
