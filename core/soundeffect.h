// The sound effects, in the order of their slots in the sound settings. Play logic names the
// effect a moment asks for; the music player plays that slot's file. Plain C++, so that
// window-free logic can name effects too.
#pragma once

enum class SoundEffect { GoNext, GoPrevious, Correct, Incorrect, Abnormal, TimeUp, None };
inline constexpr int kSoundEffectCount = 6; // None has no slot

// The effect's name in the sound settings ("Correct", "Go Next", ...); "" for None.
constexpr const char* GetSoundEffectName(SoundEffect effect) {
    switch (effect) {
    case SoundEffect::Correct:
        return "Correct";
    case SoundEffect::Incorrect:
        return "Incorrect";
    case SoundEffect::Abnormal:
        return "Abnormal";
    case SoundEffect::GoNext:
        return "Go Next";
    case SoundEffect::GoPrevious:
        return "Go Previous";
    case SoundEffect::TimeUp:
        return "TimeUp";
    case SoundEffect::None:
        break;
    }
    return "";
}
