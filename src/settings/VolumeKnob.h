#pragma once
// Where the volume knob may stand and the volume each place gives, free of
// any window: the knob slides between kKnobSilentX (silent) and kKnobFullX
// (the music's full volume, where the knob starts) in interface-view units.
#include "settings/BackgroundMusic.h"

constexpr float kKnobSilentX = 65.f;
constexpr float kKnobFullX = 210.f;
// Interface units the knob moves per volume point, in double precision.
constexpr double kKnobUnitsPerVolumePoint = (static_cast<double>(kKnobFullX) - kKnobSilentX) / kFullVolume;

struct KnobPlace {
    float x;       // where the knob's position goes
    float volume;  // 0 to kFullVolume
};

// The knob's place for a pointer at interface x: between the two ends the
// knob follows the pointer and the volume is (x - kKnobSilentX) /
// kKnobUnitsPerVolumePoint, the difference taken in single precision and the
// division in double precision; beyond either end the knob and the volume
// are pinned there.
KnobPlace knobPlace(float pointerX);

// The number shown beside the slider: the volume truncated toward zero.
int volumeNumber(float volume);
