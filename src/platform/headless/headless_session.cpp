// What the scripted machine offers the front door: everything, unless a test says otherwise.
#include <algorithm>

#include "platform/headless/headless_state.h"
#include "platform/session.h"

namespace platform {

bool offers(Feature feature) {
    const auto& lacking = headless::state().lacking;
    return std::find(lacking.begin(), lacking.end(), feature) == lacking.end();
}

const char* gameName() {
    return "the scripted game";
}

void runEnded(int /*status*/, const std::string& /*missingFile*/) {}

} // namespace platform
