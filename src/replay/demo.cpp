// The demo recorder and player. Recording measures each loop turn on a steady clock and hands
// the game a clock of its own that moves only by those whole milliseconds and by sleeps, so
// that the simulator, fed the same advances, sees exactly the same times.
#include "replay/demo.h"

#include <chrono>
#include <deque>
#include <fstream>
#include <thread>

#include "platform/input_queue.h"

namespace replay::demo {

namespace {

using Steady = std::chrono::steady_clock;
using What = ScriptLine::What;
using platform::EventType;

// The advance of a turn the demo does not time (the simulator's default).
constexpr std::uint32_t DefaultTickMs = 16;
// The longest a playing turn waits for its time.
constexpr std::chrono::seconds MostWaited{1};

struct State {
    Mode mode = Mode::Off;
    int frame = 0;
    std::uint32_t clock = 0;
    Point cursor;
    bool cursorWritten = false;
    Steady::time_point turnStart;
    std::ofstream file;
    std::vector<ScriptLine> steps;
    std::size_t next = 0;
    std::deque<ScriptLine> pending; // this frame's input and cursor steps not yet taken
    bool lossDue = false;
};

State& state() {
    static State theState;
    return theState;
}

void write(const ScriptLine& step) {
    state().file << scriptLine(step) << '\n';
}

// The demo at the input seam, the same on every back end.
class DemoTap final : public platform::InputTap {
public:
    bool before(Event& event, Point liveCursor) override {
        if (!needsCursor()) {
            return false;
        }
        // A recorded game starts where the mouse is.
        event = Event{};
        event.type = EventType::MouseMove;
        recordInput(event, liveCursor);
        return true;
    }
    bool pass(Event& event, Point liveCursor) override {
        if (mode() != Mode::Play) {
            recordInput(event, liveCursor);
            return true;
        }
        // While a demo plays, the player's input is not the game's: Escape or closing the
        // window ends the show, and the rest is dropped.
        if (event.type == EventType::Close ||
            (event.type == EventType::KeyDown && event.key == platform::KeyEscape)) {
            event = Event{};
            event.type = EventType::Close;
            return true;
        }
        return false;
    }
    bool after(Event& event) override { return mode() == Mode::Play && nextInput(event); }
    std::uint32_t clock() override { return demo::clock(); }
    void sleep(std::uint32_t milliseconds) override { demo::sleep(milliseconds); }
    Point cursor(Point /*liveCursor*/) override { return demo::cursor(); }
    bool lossDue() override { return mode() == Mode::Play && demo::lossDue(); }
    void surfacesLost() override {
        if (frame() > 0) {
            recordLoss();
        }
    }
};

DemoTap theTap;

} // namespace

Mode mode() {
    return state().mode;
}

bool startRecording(const std::string& path, std::string& error) {
    State& s = state();
    s = State{};
    s.file.open(path, std::ios::trunc);
    if (!s.file) {
        error = "cannot write the demo " + path;
        return false;
    }
    s.file << "# A Kestravan demo: kestravan-sim --script FILE plays it; kestravan --play FILE "
              "shows it.\n";
    s.mode = Mode::Record;
    s.turnStart = Steady::now();
    platform::input::setTap(&theTap);
    return true;
}

void startPlaying(std::vector<ScriptLine> steps) {
    State& s = state();
    s = State{};
    s.steps = std::move(steps);
    s.mode = Mode::Play;
    s.turnStart = Steady::now();
    platform::input::setTap(&theTap);
}

void stop() {
    State& s = state();
    s.file.close();
    s.mode = Mode::Off;
    platform::input::setTap(nullptr);
}

void beginTurn() {
    State& s = state();
    if (s.mode == Mode::Off) {
        return;
    }
    ++s.frame;
    s.pending.clear();
    if (s.mode == Mode::Record) {
        // Whole milliseconds only; the rest is carried into the next turn.
        const auto now = Steady::now();
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(now - s.turnStart);
        s.turnStart += elapsed;
        const auto ms = static_cast<std::uint32_t>(elapsed.count());
        s.clock += ms;
        write({s.frame, What::Tick, {}, {}, ms});
        return;
    }
    std::uint32_t ms = DefaultTickMs;
    for (; s.next < s.steps.size() && s.steps[s.next].frame <= s.frame; ++s.next) {
        const ScriptLine& step = s.steps[s.next];
        if (step.frame < s.frame) {
            continue;
        }
        switch (step.what) {
        case What::Input:
        case What::Cursor:
            s.pending.push_back(step);
            break;
        case What::Tick:
            ms = step.ms;
            break;
        case What::Lose:
            s.lossDue = true;
            break;
        }
    }
    // The recorded pace: this turn begins when the last one's time is up. After a stall, or
    // before a recorded pause of more than a second, the schedule starts afresh, so that Escape
    // is never more than a second away.
    s.turnStart += std::chrono::milliseconds(ms);
    const auto now = Steady::now();
    if (s.turnStart + MostWaited < now || s.turnStart > now + MostWaited) {
        s.turnStart = now;
    }
    std::this_thread::sleep_until(s.turnStart);
    s.clock += ms;
}

int frame() {
    return state().frame;
}

std::uint32_t clock() {
    return state().clock;
}

void sleep(std::uint32_t milliseconds) {
    State& s = state();
    s.clock += milliseconds;
    // A sleep is not part of the next turn's time.
    s.turnStart = Steady::now();
}

Point cursor() {
    return state().cursor;
}

void recordInput(const Event& event, Point cursor) {
    State& s = state();
    if (s.mode != Mode::Record) {
        return;
    }
    if (event.type == EventType::MouseMove) {
        s.cursor = cursor;
        s.cursorWritten = true;
        write({s.frame, What::Cursor, {}, cursor, 0});
    } else {
        write({s.frame, What::Input, event, {}, 0});
    }
}

void recordLoss() {
    if (state().mode == Mode::Record) {
        write({state().frame, What::Lose, {}, {}, 0});
    }
}

bool needsCursor() {
    return state().mode == Mode::Record && !state().cursorWritten;
}

bool nextInput(Event& event) {
    State& s = state();
    if (s.pending.empty()) {
        return false;
    }
    const ScriptLine step = s.pending.front();
    s.pending.pop_front();
    event = step.event;
    if (step.what == What::Cursor) {
        s.cursor = step.cursor;
        event = Event{};
        event.type = EventType::MouseMove;
    }
    return true;
}

bool lossDue() {
    const bool due = state().lossDue;
    state().lossDue = false;
    return due;
}

bool finished() {
    const State& s = state();
    return s.mode == Mode::Play && s.next >= s.steps.size() && s.pending.empty();
}

} // namespace replay::demo
