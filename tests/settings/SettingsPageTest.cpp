// The settings page's controls without a window: the volume formula, the
// criterion buttons and the transport. The music here is given no sound
// device, so only the page's own record may change.
#include <gtest/gtest.h>

#include <memory>

#include "settings/SettingsPage.h"
#include "settings/VolumeKnob.h"
#include "support/RouteMap.h"

namespace {

struct KnobCase {
    float pointerX;
    float knobX;
    float volume;
    int number;
};

class VolumeKnobPlace : public ::testing::TestWithParam<KnobCase> {};

TEST_P(VolumeKnobPlace, FollowsThePointerBetweenTheEndsAndPinsBeyondThem) {
    const KnobCase c = GetParam();
    const KnobPlace place = knobPlace(c.pointerX);
    EXPECT_FLOAT_EQ(place.x, c.knobX);
    EXPECT_FLOAT_EQ(place.volume, c.volume);
    EXPECT_EQ(volumeNumber(place.volume), c.number);
}

INSTANTIATE_TEST_SUITE_P(Table, VolumeKnobPlace,
                         ::testing::Values(KnobCase{100.f, 100.f, 24.137931f, 24},   // 35 / 1.45
                                           KnobCase{65.5f, 65.5f, 0.3448276f, 0},
                                           KnobCase{209.9f, 209.9f, 99.931034f, 99},
                                           KnobCase{65.f, 65.f, 0.f, 0},             // the silent end itself
                                           KnobCase{-400.f, 65.f, 0.f, 0},
                                           KnobCase{210.f, 210.f, 100.f, 100},       // the full end itself
                                           KnobCase{700.f, 210.f, 100.f, 100}));

TEST(VolumeKnob, TheQuotientIsTakenInDoublePrecision) {
    // 35 / 1.45f in single precision is 24.137930..., a different float.
    EXPECT_EQ(knobPlace(100.f).volume, static_cast<float>(35.0 / 1.45));
    EXPECT_NE(knobPlace(100.f).volume, 35.f / 1.45f);
}

class SettingsPageControls : public ::testing::Test {
protected:
    void SetUp() override {
        // Two spots joined by one highway of 500 m, limit 80.
        const int a = m.spot("10", 3);
        const int b = m.spot("20", 5);
        m.road(500, b, a, kHighway, 80);
        m.build();
        buildSettingsPage(page, font);
    }

    SettingsContext context() { return SettingsContext{criterion, *m.graph, *m.map, animation, *music}; }
    SettingsAction press(sf::Vector2f point) { return handleSettingsPageClick(page, context(), point); }
    SettingsAction press(const ToggleButton& button) {
        const sf::FloatRect r = button.rect.getGlobalBounds();
        return press({r.left + r.width / 2, r.top + r.height / 2});
    }
    int weight() const { return m.graph->cells[1][2].weight; }
    int setFlags() const {
        int count = 0;
        for (bool flag : criterion.flags) count += flag;
        return count;
    }

    RouteMap m;
    sf::Font font;
    SettingsPage page;
    RouteCriterion criterion;
    bool animation = true;
    std::unique_ptr<BackgroundMusic> music = std::make_unique<BackgroundMusic>();
};

TEST_F(SettingsPageControls, EachCriterionButtonSelectsItAloneAndReweighsTheRoad) {
    // Speed: 500 m at 80 km/h is 22.5 s; rating: 11 - (3 + 5).
    const int expected[kCriterionCount] = {500, 15, 22, 3, 1, 1000, 100};
    for (int i = kCriterionCount - 1; i >= 0; --i) {
        press(page.criteria[i]);
        EXPECT_TRUE(criterion.flags[i]) << "button " << i;
        EXPECT_EQ(setFlags(), 1) << "button " << i;
        EXPECT_EQ(weight(), expected[i]) << "button " << i;
        EXPECT_EQ(m.graph->cells[2][1].weight, expected[i]) << "button " << i;
    }
}

TEST_F(SettingsPageControls, APressOnTheCriterionInForceDoesNothing) {
    m.graph->cells[1][2].weight = 7;  // would be overwritten by a reweighing
    press(page.criteria[criterionIndex(Criterion::Distance)]);
    EXPECT_EQ(weight(), 7);
    press(page.criteria[criterionIndex(Criterion::Cost)]);
    m.graph->cells[1][2].weight = 7;
    press(page.criteria[criterionIndex(Criterion::Cost)]);
    EXPECT_EQ(weight(), 7);
    EXPECT_TRUE(criterion.flags[criterionIndex(Criterion::Cost)]);
}

// The outlines of neighbouring criterion buttons overlap by ten units; a
// press there reaches both, and the one tested later decides.
struct OverlapCase {
    float y;
    Criterion winner;
};

class SettingsPageOverlap : public SettingsPageControls, public ::testing::WithParamInterface<OverlapCase> {};

TEST_P(SettingsPageOverlap, TheLaterCriterionInTheTestOrderWins) {
    const OverlapCase c = GetParam();
    press({390.f, c.y});
    EXPECT_TRUE(criterion.flags[static_cast<int>(c.winner)]);
    EXPECT_EQ(setFlags(), 1);
}

INSTANTIATE_TEST_SUITE_P(Bands, SettingsPageOverlap,
                         ::testing::Values(OverlapCase{167.f, Criterion::Cost},      // 距离远近 | 花费预算
                                           OverlapCase{237.f, Criterion::Cost},      // 花费预算 | 速度优先
                                           OverlapCase{307.f, Criterion::Rating},    // 速度优先 | 客户评价
                                           OverlapCase{377.f, Criterion::HighwayFirst},
                                           OverlapCase{447.f, Criterion::OrdinaryFirst},
                                           OverlapCase{517.f, Criterion::FewestRoads}));

TEST_F(SettingsPageControls, TheTransportRemembersTheLastCommandWithoutSound) {
    EXPECT_EQ(music->transport, Transport::Playing);
    const struct {
        const ToggleButton& button;
        Transport transport;
    } presses[] = {{page.pause, Transport::Paused}, {page.play, Transport::Playing},
                   {page.stop, Transport::Stopped}, {page.play, Transport::Playing}};
    for (const auto& p : presses) {
        press(p.button);
        EXPECT_EQ(music->transport, p.transport);
    }
    EXPECT_EQ(music->music.getStatus(), sf::SoundSource::Stopped) << "no playback call without a device";
}

}  // namespace
