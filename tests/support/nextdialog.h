// Acts on the next modal dialog of a type as soon as it is open, for tests that press a
// button which runs a dialog of its own.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

template <class T> class CNextDialog {
public:
    explicit CNextDialog(std::function<void(T*)> fnAct) {
        QObject::connect(&m_timer, &QTimer::timeout, [this, fnAct] {
            if (auto* pDialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                m_bDone = true;
                fnAct(pDialog);
                // A failed check returns early: never leave the dialog blocking the test.
                if (pDialog->isVisible()) pDialog->reject();
            }
        });
        m_timer.start(5);
    }
    // True once the dialog was there.
    bool Done() const { return m_bDone; }

private:
    QTimer m_timer;
    bool m_bDone = false;
};
