// The little state the engine keeps between calls: the rule of the last solver call
// (read back by the answer checker), the card value range and the interface character
// set that decides which full-width characters a typed answer may use.
#pragma once

enum class InterfaceCharset { None, GB2312, Big5 };

void SetStandardRule(bool bStandard);
bool IsStandardRule();

// 10, or 13 when J, Q and K are enabled.
void SetMaxValue(unsigned nMaxValue);
unsigned GetMaxValue();

void SetInterfaceCharset(InterfaceCharset charset);
InterfaceCharset GetInterfaceCharset();

// Keeps the engine-wide settings of its creation and puts them back when it goes out of
// scope, however the scope is left. Whoever solves under another rule than the one the
// next answer will be judged by (a complete list, a test, a benchmark) holds one, so the
// checker still reads the rule of the question on screen.
class CEngineSettingsScope {
public:
    CEngineSettingsScope();
    // Also sets the value range and character set for the scope (a judgment made with its
    // own settings, whatever the engine held before).
    CEngineSettingsScope(unsigned nMaxValue, InterfaceCharset charset);
    ~CEngineSettingsScope();
    CEngineSettingsScope(const CEngineSettingsScope&) = delete;
    CEngineSettingsScope& operator=(const CEngineSettingsScope&) = delete;

private:
    bool m_bStandardRule;
    unsigned m_nMaxValue;
    InterfaceCharset m_charset;
};
