#include "enginestate.h"

namespace {
bool g_bStandardRule = true;
unsigned g_nMaxValue = 10;
InterfaceCharset g_charset = InterfaceCharset::None;
} // namespace

void SetStandardRule(bool bStandard) {
    g_bStandardRule = bStandard;
}
bool IsStandardRule() {
    return g_bStandardRule;
}

void SetMaxValue(unsigned nMaxValue) {
    g_nMaxValue = nMaxValue;
}
unsigned GetMaxValue() {
    return g_nMaxValue;
}

void SetInterfaceCharset(InterfaceCharset charset) {
    g_charset = charset;
}
InterfaceCharset GetInterfaceCharset() {
    return g_charset;
}

CEngineSettingsScope::CEngineSettingsScope()
    : m_bStandardRule(g_bStandardRule), m_nMaxValue(g_nMaxValue), m_charset(g_charset) {}

CEngineSettingsScope::CEngineSettingsScope(unsigned nMaxValue, InterfaceCharset charset)
    : CEngineSettingsScope() {
    SetMaxValue(nMaxValue);
    SetInterfaceCharset(charset);
}

CEngineSettingsScope::~CEngineSettingsScope() {
    g_bStandardRule = m_bStandardRule;
    g_nMaxValue = m_nMaxValue;
    g_charset = m_charset;
}
