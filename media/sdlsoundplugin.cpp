// The module the desktop program loads for its sound (media/lazysoundplayer.h).
#include "media/lazysoundplayer.h"
#include "media/sdlsoundplayer.h"

#include <QCoreApplication>
#include <QtGlobal>

extern "C" Q_DECL_EXPORT ISoundPlayer* TetralyxOpenSdlSoundPlayer() {
    return CSdlSoundPlayer::Open(QCoreApplication::applicationDirPath() +
                                 QStringLiteral("/music/timidity.cfg"))
        .release();
}
