// The engine keeps its card range, interface character set and last solver rule between
// calls. Play logic judges with its own settings and leaves the engine as it found it, so
// that two callers with different settings (the window, the command line, tests) never see
// each other's.
#pragma once

#include "engine/enginestate.h"

class CEngineSettingsScope {
public:
    CEngineSettingsScope(unsigned nMaxValue, InterfaceCharset charset)
        : m_bOldStandard(IsStandardRule()), m_nOldMaxValue(GetMaxValue()),
          m_oldCharset(GetInterfaceCharset()) {
        SetMaxValue(nMaxValue);
        SetInterfaceCharset(charset);
    }
    ~CEngineSettingsScope() {
        SetStandardRule(m_bOldStandard);
        SetMaxValue(m_nOldMaxValue);
        SetInterfaceCharset(m_oldCharset);
    }
    CEngineSettingsScope(const CEngineSettingsScope&) = delete;
    CEngineSettingsScope& operator=(const CEngineSettingsScope&) = delete;

private:
    bool m_bOldStandard;
    unsigned m_nOldMaxValue;
    InterfaceCharset m_oldCharset;
};
