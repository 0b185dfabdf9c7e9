// Shows a page of the help set in the program's help viewer.
#pragma once

#include <QString>

class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    // strHelpFolder: the language's help set; strPage: the page's path; strWindow: the window
    // name that decides how the viewer shows the topic.
    virtual void ShowPage(const QString& strHelpFolder, const QString& strPage,
                          const QString& strWindow) = 0;
};
