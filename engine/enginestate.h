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
