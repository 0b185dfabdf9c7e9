// The sound effects play asks for, by the names the sound settings give them.
#pragma once

enum class SoundEffect { None, Correct, Incorrect, Abnormal, GoNext, GoPrevious, TimeUp };

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
