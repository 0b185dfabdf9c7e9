// The module the desktop program loads for its network requests (media/lazynetworkfetcher.h).
#include "core/httpfetcher.h"
#include "media/lazynetworkfetcher.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT INetworkFetcher* TetralyxOpenHttpFetcher() {
    return new CHttpFetcher();
}
