// Reading a demo: the simulator's own script reader, its events turned into what the back end
// delivers.
#include "launch/demo_file.h"

#include <algorithm>

#include "sim/sim_script.h"

namespace {

using Step = platform::demo::Step;

Step stepOf(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    Step step;
    step.frame = event.frame;
    switch (event.kind) {
    case Kind::Mouse:
        step.what = Step::What::Cursor;
        step.cursor = {event.first, event.second};
        break;
    case Kind::Tick:
        step.what = Step::What::Tick;
        step.ms = static_cast<std::uint32_t>(event.first);
        break;
    case Kind::Lose:
        step.what = Step::What::Lose;
        break;
    default:
        step.what = Step::What::Input;
        inputEventOf(event, step.event);
        break;
    }
    return step;
}

} // namespace

bool readDemo(const std::string& path, std::vector<Step>& steps, std::string& error) {
    std::vector<ScriptEvent> events;
    if (!readScriptFile(path, events, error)) {
        return false;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return a.frame < b.frame; });
    steps.clear();
    std::transform(events.begin(), events.end(), std::back_inserter(steps), stepOf);
    return true;
}
