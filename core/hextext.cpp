#include "core/hextext.h"

#include "engine/textlines.h"

#include <algorithm>

unsigned ParseHexText(const QString& strText, QString& strMessage) {
    strMessage.clear();
    std::string strTrimmed = strText.toStdString();
    TrimText(strTrimmed);
    if (strTrimmed.empty()) {
        strMessage = QStringLiteral("Input string is blank\r\n");
        return 0;
    }
    QString strDigits = QString::fromStdString(strTrimmed).toUpper();
    if (strDigits.startsWith(QLatin1String("0X"))) strDigits.remove(0, 2);

    // "0x" alone has no digit to read, so it is as invalid as any other non-number.
    const bool bValid =
        !strDigits.isEmpty() && std::all_of(strDigits.begin(), strDigits.end(), [](QChar c) {
            return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                   (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        });
    if (!bValid) {
        strMessage = QStringLiteral("\"%1\" is not a valid hex number string\r\n")
                         .arg(QString::fromStdString(strTrimmed));
        return 0;
    }
    if (strDigits.size() > 8) {
        strMessage = QStringLiteral("The string is too long, maximum allowable length is 8.\r\n");
        return 0;
    }
    return strDigits.toUInt(nullptr, 16);
}

QString FormatHex(std::uint64_t nValue, int nWidth) {
    const QString strDigits = QStringLiteral("%1").arg(nValue, 16, 16, QLatin1Char('0')).toUpper();
    return strDigits.right(std::clamp(nWidth, 0, 16));
}
