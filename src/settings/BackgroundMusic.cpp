#include "settings/BackgroundMusic.h"

#include <AL/alc.h>
#include <ostream>

bool audioDeviceAvailable() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (!device) return false;
    alcCloseDevice(device);
    return true;
}

void startMusic(BackgroundMusic& background, std::ostream& console) {
    if (!background.soundAvailable) {
        console << "没有可用的声音设备，背景音乐不播放" << std::endl;
        return;
    }
    background.music.setVolume(100.f);
    background.music.setLoop(true);
    background.music.play();
}
