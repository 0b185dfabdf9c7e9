// The complete list's decisions without its window: the options and their storage under
// "CL", the caption, the rule that one kind of question stays ticked, the age of an existing
// page, and the generation from the template to the opened page.
#pragma once

#include "core/services.h"
#include "engine/completelist.h"

#include <QDateTime>
#include <QString>

class CRegistryStore;

enum class ExistingPageAction { Recalculate, Show, Ask };

enum class CompleteListResult {
    Opened,          // the page (new or kept) was handed to the desktop
    TemplateMissing, // told the player; nothing written
    Cancelled,       // stopped by the player; nothing written
    WriteFailed,     // told the player; nothing opened
};

class CCompleteListLogic {
public:
    // nColumn: the string-table column of the page's language. strAppFolder holds doc/,
    // strUserFolder receives cl/.
    CCompleteListLogic(CRegistryStore& registry, const CServices& services,
                       const QString& strAppFolder, const QString& strUserFolder, int nColumn);

    const CompleteListOptions& GetOptions() const { return m_options; }
    void SetStandard(bool bStandard) { m_options.bStandard = bStandard; }
    void SetJQK(bool bJQK) { m_options.bJQK = bJQK; }
    // Unticking one kind while the other is unticked ticks the other.
    void SetHaveSolution(bool bListed);
    void SetNoSolution(bool bListed);
    bool CanStart() const { return m_options.bHaveSolution || m_options.bNoSolution; }

    // "Complete List of All Solutions for Calculating 24 - Standard Level" and so on.
    QString GetCaption() const;

    void LoadOptions();
    void SaveOptions();

    QString GetTemplatePath() const;
    QString GetOutputFolder() const;
    QString GetOutputPath() const;

    // By the time the page was written: at most 7 days old is shown, more than 90 days old
    // or from the future recalculated, anything between asked about.
    static ExistingPageAction DecidePageAge(const QDateTime& written, const QDateTime& now);

    // Everything OK starts; fnProgress runs after every question, and returning false stops.
    CompleteListResult Generate(const CompleteListProgress& fnProgress = {});

private:
    bool WritePage(const QString& strPath, const CompleteListProgress& fnProgress, bool& bStopped);

    CRegistryStore& m_registry;
    CServices m_services;
    QString m_strAppFolder;
    QString m_strUserFolder;
    int m_nColumn;
    CompleteListOptions m_options;
};
