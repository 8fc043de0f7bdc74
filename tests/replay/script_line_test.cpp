// Script lines: every line the demo recorder writes reads back as the same line, and a file that is
// no script is refused with its reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/script_line.h"
#include "support/temporary_folder.h"

namespace {

using platform::EventType;
using Step = replay::ScriptLine;

Step input(int frame, EventType type, int key = 0, bool minimized = false) {
    Step step;
    step.frame = frame;
    step.event = {type, key, minimized};
    return step;
}

} // namespace

TEST(ScriptLine, EveryRecordedStepReadsBackAsItWasWritten) {
    Step tick{3, Step::What::Tick, {}, {}, 17};
    Step cursor{3, Step::What::Cursor, {}, {1023, 0}, 0};
    Step lose{4, Step::What::Lose, {}, {}, 0};
    const std::vector<Step> steps = {
        tick,
        cursor,
        input(3, EventType::KeyDown, platform::KeyLeft),
        input(3, EventType::KeyUp, 255),
        input(4, EventType::LeftButtonDown),
        input(4, EventType::LeftButtonUp),
        input(4, EventType::RightButtonDown),
        input(4, EventType::RightButtonUp),
        lose,
        input(5, EventType::Activate, 0, true),
        input(6, EventType::Activate, 0, false),
        input(9, EventType::Close),
    };
    std::string text;
    for (const Step& step : steps) {
        text += replay::scriptLine(step) + "\n";
    }
    TemporaryFolder folder;
    folder.write("demo", text);
    std::vector<Step> read;
    std::string error;
    ASSERT_TRUE(replay::readScriptFile(folder.file("demo"), "demo", read, error)) << error << "\n"
                                                                                  << text;
    // Every field of a step, the event's only for an input.
    const auto fields = [](const Step& s) {
        const bool input = s.what == Step::What::Input;
        return std::vector<int>{s.frame,
                                static_cast<int>(s.what),
                                static_cast<int>(s.ms),
                                s.cursor.x,
                                s.cursor.y,
                                input ? static_cast<int>(s.event.type) : 0,
                                input ? s.event.key : 0,
                                input && s.event.minimized};
    };
    ASSERT_EQ(read.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(fields(read[i]), fields(steps[i])) << replay::scriptLine(steps[i]);
    }
}

TEST(ScriptLine, AFileThatIsNoScriptIsRefused) {
    TemporaryFolder folder;
    folder.write("bad", "1 tick 16\n2 dance\n");
    std::vector<Step> steps;
    std::string error;
    EXPECT_FALSE(replay::readScriptFile(folder.file("bad"), "demo", steps, error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_FALSE(replay::readScriptFile(folder.file("missing"), "demo", steps, error));
    EXPECT_NE(error.find("cannot read"), std::string::npos) << error;
}
