// The background music of the real binary, heard through the audio
// library's file-writing device: what is written from start-up and how the
// settings page's transport and volume knob change it. A second story runs
// without any sound device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "support/Program.h"
#include "support/RunTree.h"
#include "support/TempDir.h"
#include "support/WaveFile.h"

namespace {

const sf::Color kPanelColour(70, 120, 210);
const sf::Vector2i kPanelSample(630, 330);
const sf::Vector2i kSettingsButton = interfacePixel(650.f, 375.f);
const sf::Vector2i kPauseButton = interfacePixel(75.f, 215.f);
const sf::Vector2i kPlayButton = interfacePixel(210.f, 215.f);
const sf::Vector2i kStopButton = interfacePixel(140.f, 288.f);
const sf::Vector2i kKnobCentre = interfacePixel(205.f, 145.f);

constexpr double kSilence = 1e-4;       // root mean square of what counts as silence
constexpr std::size_t kWindow = 2048;   // output samples matched against the music

void logInAndOpenThePage(Program& program) {
    program.logIn("游客", "123456");
    ASSERT_TRUE(program.waitForPixel(kPanelSample, kPanelColour, 4000)) << "the user screen";
    program.clickAt(kSettingsButton);
    ASSERT_TRUE(program.waitForPixel(interfacePixel(260.f, 20.f), sf::Color::Cyan, 2000)) << "the page";
}

void dragKnobTo(const Program& program, float interfaceX) {
    const auto screen = [&](sf::Vector2i p) {
        return std::to_string(program.left() + p.x) + " " + std::to_string(program.top() + p.y);
    };
    program.xdotool("mousemove " + screen(kKnobCentre) + " sleep 0.05 mousedown 1 sleep 0.05 mousemove " +
                    screen(interfacePixel(interfaceX, 145.f)) + " sleep 0.05 mouseup 1");
    pause(100);
}

class MusicE2E : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(decodeFirstChannel(sourceDir() + "/resource/main.ogg", music));
        const std::string conf = program.file("alsoft.conf");
        writeBytes(conf, "[general]\ndrivers = wave\n[wave]\nfile = " + program.file("out.wav") + "\n");
        program.setEnvironment("ALSOFT_DRIVERS", "wave");
        program.setEnvironment("ALSOFT_CONF", conf);
        ASSERT_TRUE(program.start());
    }

    // Everything written so far, first channel.
    const std::vector<float>& output() {
        EXPECT_TRUE(readWaveChannel(program.file("out.wav"), written)) << "a WAVE file is written";
        return written.samples;
    }
    std::size_t seconds(double s) const { return static_cast<std::size_t>(s * music.rate); }
    // The first sample at or after from that is not silent.
    std::size_t soundFrom(std::size_t from) {
        const std::vector<float>& out = output();
        while (from < out.size() && std::fabs(out[from]) < 1e-6f) ++from;
        return from;
    }
    // The last sound before from: the first silent sample of the gap that follows it.
    std::size_t soundUntil(std::size_t from) {
        const std::vector<float>& out = output();
        while (from > 0 && std::fabs(out[from - 1]) < 1e-6f) --from;
        return from;
    }
    // The music sample playing at an output sample, and how loud.
    MusicMatch playingAt(std::size_t at) {
        MusicMatch match = locateInMusic(music.samples, written.samples, at, kWindow);
        EXPECT_GT(match.correlation, 0.95) << "the output at " << at << " is the music";
        return match;
    }
    // Presses a button and waits until what it does reaches the output.
    std::size_t pressAndListen(sf::Vector2i button) {
        const std::size_t before = output().size();
        program.clickAt(button);
        pause(1200);
        output();
        return before;
    }
    double secondsApart(std::size_t a, std::size_t b) const {
        return std::fabs(static_cast<double>(a) - static_cast<double>(b)) / music.rate;
    }

    Program program;
    WaveChannel music;
    WaveChannel written;
};

TEST_F(MusicE2E, PlaysFromStartUpAndFollowsTheTransportAndTheKnob) {
    pause(1500);
    ASSERT_GT(rms(output(), 0, seconds(1.5)), 0.01) << "sound from start-up";
    ASSERT_EQ(written.rate, music.rate);
    const MusicMatch early = playingAt(seconds(1.0));
    const double startedAt = (static_cast<double>(seconds(1.0)) - early.position) / music.rate;
    std::printf("music began %.3f s into the output; gain at volume 100: %.4f\n", startedAt, early.gain);
    EXPECT_GE(startedAt, -0.01);
    EXPECT_LT(startedAt, 1.0) << "the music starts at its beginning, at once";

    logInAndOpenThePage(program);

    const std::size_t pausePressed = pressAndListen(kPauseButton);
    const std::size_t pausedFrom = soundUntil(written.samples.size());
    EXPECT_GE(pausedFrom + seconds(0.3), pausePressed) << "the sound stops at the press";
    EXPECT_LT(rms(written.samples, pausedFrom, written.samples.size() - pausedFrom), kSilence) << "silent";
    EXPECT_GT(written.samples.size() - pausedFrom, seconds(0.3)) << "for the rest of the time";
    const std::size_t beforePause = playingAt(pausedFrom - kWindow).position + kWindow;

    const std::size_t playPressed = pressAndListen(kPlayButton);
    const std::size_t resumedFrom = soundFrom(playPressed);
    ASSERT_LT(resumedFrom + seconds(0.3), written.samples.size()) << "sound again after 播放";
    const std::size_t afterPause = playingAt(resumedFrom).position;
    std::printf("paused at %.3f s of the music, resumed at %.3f s\n", double(beforePause) / music.rate,
                double(afterPause) / music.rate);
    EXPECT_LT(secondsApart(afterPause, beforePause), 0.05) << "播放 after 暂停 goes on where it paused";
    EXPECT_GT(double(beforePause) / music.rate, 1.0);

    pressAndListen(kStopButton);
    const std::size_t stoppedFrom = soundUntil(written.samples.size());
    EXPECT_LT(rms(written.samples, stoppedFrom, written.samples.size() - stoppedFrom), kSilence);
    EXPECT_GT(written.samples.size() - stoppedFrom, seconds(0.3));
    const std::size_t restartedFrom = soundFrom(pressAndListen(kPlayButton));
    const MusicMatch restarted = playingAt(restartedFrom + kWindow);
    std::printf("after 停止 and 播放 the music plays from %.3f s\n",
                (double(restarted.position) - kWindow) / music.rate);
    EXPECT_LT(secondsApart(restarted.position, kWindow), 0.05) << "播放 after 停止 starts from the beginning";

    // The knob at x 100 sets the volume to 24.14; the beginning, played again,
    // is scaled by that much.
    dragKnobTo(program, 100.f);
    pressAndListen(kStopButton);
    const std::size_t quietFrom = soundFrom(pressAndListen(kPlayButton));
    const MusicMatch quiet = playingAt(quietFrom + kWindow);
    EXPECT_LT(secondsApart(quiet.position, kWindow), 0.05);
    const double gainRatio = quiet.gain / restarted.gain;
    const double rmsRatio =
        rms(written.samples, quietFrom, seconds(0.5)) / rms(written.samples, restartedFrom, seconds(0.5));
    std::printf("knob at 100: gain %.4f against %.4f, ratio %.4f; root mean square ratio over 0.5 s %.4f\n",
                quiet.gain, restarted.gain, gainRatio, rmsRatio);
    EXPECT_NEAR(gainRatio, 0.2414, 0.01);
    EXPECT_NEAR(rmsRatio, 0.2414, 0.02);
    program.saveScreenshot("music-knob-100");
}

TEST(MusicWithoutDeviceE2E, ThePageStillWorksAndNothingFloodsTheConsole) {
    Program program;
    program.setEnvironment("ALSOFT_DRIVERS", "no-such-driver");
    ASSERT_TRUE(program.start());
    logInAndOpenThePage(program);
    EXPECT_NE(program.standardOutput().find("没有可用的声音设备"), std::string::npos) << program.standardOutput();
    const std::string errorsBefore = program.standardErrorTail();

    for (const auto& [button, fill] : {std::pair{kPauseButton, interfacePixel(26.f, 191.f)},
                                       std::pair{kStopButton, interfacePixel(86.f, 264.f)},
                                       std::pair{kPlayButton, interfacePixel(161.f, 191.f)}}) {
        program.clickAt(button);
        EXPECT_TRUE(program.waitForPixel(fill, sf::Color::Green, 2000));
    }
    dragKnobTo(program, 100.f);
    EXPECT_TRUE(program.waitForPixel(interfacePixel(95.f, 145.f), sf::Color::Green, 2000)) << "the knob moved";
    pause(500);
    program.saveScreenshot("music-without-device");
    EXPECT_EQ(program.standardErrorTail(), errorsBefore) << "no audio errors after start-up";
    EXPECT_TRUE(program.running());
}

}  // namespace
