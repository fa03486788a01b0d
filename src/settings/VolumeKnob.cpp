#include "settings/VolumeKnob.h"

#include "base/Truncate.h"

KnobPlace knobPlace(float pointerX) {
    if (pointerX <= kKnobSilentX) return {kKnobSilentX, 0.f};
    if (pointerX >= kKnobFullX) return {kKnobFullX, kFullVolume};
    const float fromSilent = pointerX - kKnobSilentX;
    return {pointerX, static_cast<float>(static_cast<double>(fromSilent) / kKnobUnitsPerVolumePoint)};
}

int volumeNumber(float volume) { return truncateToInt(volume); }
