#include "fake_controls.h"
#include "reader/slider_moves.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A slider the program sets, logging it, that the reading rules then read.
class SettableSlider : public FakeSlider, public SliderSetter {
public:
    SettableSlider(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    void SetValue(std::int32_t v) override {
        value = v;
        log_.Add(name_ + ".Value=" + std::to_string(v));
    }

private:
    CallLog& log_;
    std::string name_;
};

class SliderMovesTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.files[u"/doc.txt"].bytes = std::string(998, 'a'); // 1000 with the two spaces
        window.OpenTxt(u"/doc.txt");
        log.Take();
    }

    CallLog log;
    FakeViewer viewer{log};
    FakeTimer timer{log};
    SettableSlider slider1{log, "Slider1"};
    SettableSlider slider2{log, "Slider2"};
    FakeDialog dialog{log};
    FakeMessageBox messageBox{log};
    FakeFileSource files;
    MainMsg window{{viewer, timer, slider1, slider2, dialog, messageBox, files}};
};

TEST_F(SliderMovesTest, SpeedThenStartPointByTheUsersRules) {
    MoveSliders({10, 5}, window, slider1, slider2);
    EXPECT_THAT(log.Take(), ElementsAre("Slider1.Value=10", "trm1.Enabled=false", "trm1.Interval=4",
                                        "trm1.Enabled=true", "Slider2.Value=5",
                                        "trm1.Enabled=false", "trm1.Enabled=true"));
    EXPECT_EQ(window.ReadPos(), 196); // 1000 / 5.1, to the nearest
    EXPECT_TRUE(timer.enabled);
}

TEST_F(SliderMovesTest, OnlyTheSlidersAskedFor) {
    MoveSliders({std::nullopt, 9}, window, slider1, slider2);
    EXPECT_THAT(log.Take(),
                ElementsAre("Slider2.Value=9", "trm1.Enabled=false", "trm1.Enabled=true"));
    EXPECT_EQ(window.ReadPos(), 909);
    EXPECT_EQ(slider1.value, 0);

    MoveSliders({0, std::nullopt}, window, slider1, slider2);
    EXPECT_THAT(log.Take(), ElementsAre("Slider1.Value=0", "trm1.Enabled=false",
                                        "trm1.Interval=404", "trm1.Enabled=true"));
    EXPECT_EQ(window.ReadPos(), 909) << "the speed leaves the position alone";

    MoveSliders({}, window, slider1, slider2);
    EXPECT_THAT(log.Take(), IsEmpty());
}

TEST_F(SliderMovesTest, StartPointZeroStillRestartsFromTheRule) {
    window.SetReadPos(500);
    MoveSliders({std::nullopt, 0}, window, slider1, slider2);
    EXPECT_EQ(window.ReadPos(), 99); // 1000 / 10.1
}

} // namespace
} // namespace lumio::testing
