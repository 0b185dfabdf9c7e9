#include "core/dialoghelp.h"

#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kTopicProperty = "tetralyxHelpTopic";

} // namespace

void SetDialogHelpTopic(QWidget* pDialog, unsigned nTopic) {
    pDialog->setProperty(kTopicProperty, nTopic);
}

CDialogHelpKey::CDialogHelpKey(std::function<void(unsigned)> fnShowTopic, QObject* pParent)
    : QObject(pParent), m_fnShowTopic(std::move(fnShowTopic)) {}

bool CDialogHelpKey::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pEvent->type() != QEvent::KeyPress) return false;
    const auto* pKey = static_cast<QKeyEvent*>(pEvent);
    if (pKey->key() != Qt::Key_F1 || pKey->modifiers() != Qt::NoModifier) return false;
    auto* pWidget = qobject_cast<QWidget*>(pObject);
    if (pWidget == nullptr) return false;
    const QVariant topic = pWidget->window()->property(kTopicProperty);
    if (!topic.isValid()) return false;
    if (m_fnShowTopic) m_fnShowTopic(topic.toUInt());
    return true;
}
