// Hexadecimal text: reading identifiers such as "0409" and writing fixed-width digits.
#pragma once

#include <QString>

#include <cstdint>

// The value of one to eight hexadecimal digits, blanks around and a leading "0x" allowed.
// On failure the value is 0 and strMessage says why (it is empty on success).
unsigned ParseHexText(const QString& strText, QString& strMessage);

// Upper-case hexadecimal digits of nValue, zero-filled, the rightmost nWidth of 16.
QString FormatHex(std::uint64_t nValue, int nWidth);
