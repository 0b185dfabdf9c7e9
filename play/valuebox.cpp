#include "play/valuebox.h"

#include <QLineEdit>

CValueBox::CValueBox(QWidget* pParent) : QAbstractSpinBox(pParent) {
    setAlignment(Qt::AlignCenter);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CValueBox::TextEdited);
}

QString CValueBox::GetText() const {
    return lineEdit()->text();
}

void CValueBox::SetText(const QString& strText) {
    if (lineEdit()->text() != strText) lineEdit()->setText(strText);
}

QValidator::State CValueBox::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void CValueBox::stepBy(int nSteps) {
    bool bOk = false;
    const int nValue = GetText().trimmed().toInt(&bOk);
    // An empty or unreadable box starts from the end the arrow points away from.
    int nNew = bOk ? nValue + nSteps : (nSteps > 0 ? 1 : m_nMaximum);
    nNew = std::clamp(nNew, 1, m_nMaximum);
    SetText(QString::number(nNew));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CValueBox::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    bool bOk = false;
    const int nValue = GetText().trimmed().toInt(&bOk);
    if (!bOk) return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (nValue < m_nMaximum) enabled |= StepUpEnabled;
    if (nValue > 1) enabled |= StepDownEnabled;
    return enabled;
}
