// Words for the player before the game starts (the help, a bad command line): to the console
// the game was started from, when there is one, else in a message box.
#include <cstring>

#include "platform/system.h"

// Windows defines some names of the neutral headers above as macros: its headers come last.
#include <windows.h>

namespace platform {

namespace {

// The standard handle to write to: the console of the program that started the game, or a
// file or pipe its output was sent to; null when there is neither.
HANDLE consoleHandle(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
            return nullptr;
        }
        handle = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
    }
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

} // namespace

void tellPlayer(const char* text, bool error) {
    HANDLE console = consoleHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const DWORD length = static_cast<DWORD>(std::strlen(text));
    DWORD written = 0;
    if (console != nullptr && WriteFile(console, text, length, &written, nullptr) &&
        written == length) {
        return;
    }
    MessageBoxA(nullptr, text, error ? "Kestravan - Error" : "Kestravan",
                MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace platform
