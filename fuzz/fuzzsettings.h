// The engine settings a fuzz input runs under, from its first byte: character set, rule and
// value range, so one corpus covers every combination the player can set.
#pragma once

#include "engine/enginestate.h"

#include <cstdint>

class CFuzzEngineSettings {
public:
    explicit CFuzzEngineSettings(std::uint8_t nSettings)
        : m_scope(nSettings & 4 ? 13u : 10u, Charset(nSettings)) {
        SetStandardRule(!(nSettings & 8));
    }

private:
    static InterfaceCharset Charset(std::uint8_t nSettings) {
        switch (nSettings & 3) {
        case 1:
            return InterfaceCharset::GB2312;
        case 2:
            return InterfaceCharset::Big5;
        default:
            return InterfaceCharset::None;
        }
    }

    CEngineSettingsScope m_scope;
};
