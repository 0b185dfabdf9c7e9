// Solutions as the collection windows list them, and the export of a list to a text file
// with the options the player chose last time.
#pragma once

#include "core/collection.h"

#include <QString>

class CRegistryStore;
class IMessagePresenter;

// "A1: ..." lines joined by CR LF (no break after the last), or the no-solution text, under
// the rule given; empty for a question not valid in the current range. The engine's stored
// rule is left as it was, so the main window's answer checking is not disturbed.
QString GetSolutionText(const QString& strQuestion, bool bStandard);

struct CollectionExportOptions {
    QString strTitle;
    QString strFolder; // where the browse dialog starts
    QString strPath;
    bool bNotes = true;
    bool bAnswers = true;
};

// Registry names formed with the list's name in the current language.
CollectionExportOptions ReadExportOptions(const CRegistryStore& registry, bool bMyFavorite);
void WriteExportOptions(CRegistryStore& registry, bool bMyFavorite,
                        const CollectionExportOptions& options);

// The exported text: title, then every item with its note and its standard-rule solutions
// as chosen; trailing line breaks removed.
QString BuildCollectionExportText(const Collection& list, const QString& strTitle, bool bNotes,
                                  bool bAnswers);

// The path the browse dialog returned, with ".txt" when its end shows no extension.
QString WithTextExtension(const QString& strPath);

// Asks before overwriting, writes, and shows what went wrong. The result of WriteTextFile,
// or kExportDeclined when the player kept the existing file.
constexpr int kExportDeclined = 2;
int ExportCollection(const Collection& list, const CollectionExportOptions& options,
                     IMessagePresenter& messages);
