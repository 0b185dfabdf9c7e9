#include "media/kvmessagepresenter.h"

#include "media/kvmessageboxdialog.h"
#include "media/kvmessageboxlogic.h"

#include <QApplication>

MessageAnswer CKVMessagePresenter::Present(const MessageRequest& request) {
    CKVMessageBoxDialog box(request.strMessage, request.strCaption, request.nStyle,
                            request.bHasDetails, request.strDetails, request.bShowCheck,
                            request.bCheck, QApplication::activeWindow());
    if (request.bOfferHelp) box.SetHelpHandler(m_fnHelp);
    box.exec();
    MessageAnswer answer;
    answer.nResult = box.GetResult() != 0 ? box.GetResult()
                                          : CKVMessageBoxLogic::GetClosedResult(request.nStyle);
    answer.bChecked = box.IsChecked();
    return answer;
}
