#include "settings/BackgroundMusic.h"

#include <AL/alc.h>
#include <ostream>

bool audioDeviceAvailable() { return alcGetCurrentContext() != nullptr; }

void startMusic(BackgroundMusic& background, std::ostream& console) {
    background.transport = Transport::Playing;
    background.volume = kFullVolume;
    if (!background.soundAvailable) {
        console << "没有可用的声音设备，背景音乐不播放" << std::endl;
        return;
    }
    background.music.setVolume(kFullVolume);
    background.music.setLoop(true);
    background.music.play();
}

void pauseMusic(BackgroundMusic& background) {
    background.transport = Transport::Paused;
    if (background.soundAvailable) background.music.pause();
}

void playMusic(BackgroundMusic& background) {
    background.transport = Transport::Playing;
    if (background.soundAvailable) background.music.play();
}

void stopMusic(BackgroundMusic& background) {
    background.transport = Transport::Stopped;
    if (background.soundAvailable) background.music.stop();
}

float setMusicVolume(BackgroundMusic& background, float volume) {
    background.volume = volume;
    if (!background.soundAvailable) return background.volume;
    background.music.setVolume(volume);
    return background.music.getVolume();
}
