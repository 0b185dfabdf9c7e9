// The message presenter of the desktop: every request becomes the program's message box,
// run modally over the active window.
#pragma once

#include "core/messagepresenter.h"

#include <functional>

class CKVMessagePresenter : public IMessagePresenter {
public:
    // Opens a help topic for F1 and for a details text that is a help link. Without it, and
    // for requests that offer no help, the boxes show no help.
    void SetHelpHandler(std::function<void(unsigned nTopic)> fnHelp) {
        m_fnHelp = std::move(fnHelp);
    }

    MessageAnswer Present(const MessageRequest& request) override;

private:
    std::function<void(unsigned nTopic)> m_fnHelp;
};
