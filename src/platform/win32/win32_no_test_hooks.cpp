// The shipped game knows no test keys.
#include "platform/win32/win32_state.h"

namespace platform::win32 {

bool testKey(WPARAM /*key*/) {
    return false;
}

} // namespace platform::win32
