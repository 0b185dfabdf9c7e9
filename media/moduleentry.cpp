#include "media/moduleentry.h"

#include <QLibrary>

QFunctionPointer ResolveModuleEntry(const QString& strPath, const char* szSymbol,
                                    QString* pstrWhy) {
    QLibrary module(strPath);
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const QFunctionPointer fnEntry = module.resolve(szSymbol);
    if (fnEntry == nullptr && pstrWhy != nullptr) *pstrWhy = module.errorString();
    return fnEntry;
}
