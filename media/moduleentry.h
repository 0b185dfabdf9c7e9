// The program's optional parts (sound, network) live in modules opened on first use.
#pragma once

#include <QString>
#include <QtGlobal>

// The entry point szSymbol of the module at strPath, or null with the loader's reason in
// *pstrWhy. A module, once opened, stays for the life of the process: its threads, hooks and
// queued signals may outlive any one owner.
QFunctionPointer ResolveModuleEntry(const QString& strPath, const char* szSymbol,
                                    QString* pstrWhy = nullptr);
