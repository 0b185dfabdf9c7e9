// Shows the program's message box. Code that asks the player something or tells of a failure
// is handed a presenter; the desktop shows the real box, tests answer it without a window.
#pragma once

#include "core/messageboxstyle.h"

#include <QString>

struct MessageRequest {
    QString strMessage;
    QString strCaption; // empty: the product name
    unsigned nStyle = KV_MB_OK;
    bool bHasDetails = false;
    QString strDetails;      // KV_HELP_UG_IRRELEVANT makes the Details button a help link
    bool bShowCheck = false; // "Show this message next time"
    bool bCheck = false;
    // F1 and a help link in the box; off where the program ends right after the box, so that
    // no help window is left that the box blocks and the end takes away.
    bool bOfferHelp = true;
};

struct MessageAnswer {
    int nResult = 0;       // KV_IDOK .. KV_IDNO
    bool bChecked = false; // the check box as it stood when the box closed
};

class IMessagePresenter {
public:
    virtual ~IMessagePresenter() = default;
    virtual MessageAnswer Present(const MessageRequest& request) = 0;

    // The common case: a message, a caption and a style; returns the result.
    int ShowMessage(const QString& strMessage, const QString& strCaption = QString(),
                    unsigned nStyle = KV_MB_OK) {
        MessageRequest request;
        request.strMessage = strMessage;
        request.strCaption = strCaption;
        request.nStyle = nStyle;
        return Present(request).nResult;
    }
};
