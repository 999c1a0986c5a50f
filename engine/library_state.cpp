#include "library_state.h"

#include <sonic.h>

#include <mutex>
#include <new>

namespace zorna {

namespace {

// Constructed on first use and never destroyed, so that no order of static
// destruction can pull it away from a late caller; LibraryUnload releases what
// it holds.
LibraryState *g_state = nullptr;
std::once_flag g_once;

constexpr int kSampleRate = 22050;

void Construct() {
    static LibraryState *state = new LibraryState();
    g_state = state;
    g_state->NumberFormat = platform::UserNumberFormat();
    g_state->SonicStream = sonicCreateStream(kSampleRate, 1);
}

}  // namespace

LibraryState &Library() {
    std::call_once(g_once, Construct);
    return *g_state;
}

void LibraryLoad() { (void)Library(); }

void LibraryUnload() {
    if (g_state == nullptr) return;
    if (g_state->SonicStream != nullptr) {
        sonicFlushStream(g_state->SonicStream);
        short sink[4096];
        while (sonicReadShortFromStream(g_state->SonicStream, sink, 4096) > 0) {
        }
        sonicDestroyStream(g_state->SonicStream);
        g_state->SonicStream = nullptr;
    }
    std::lock_guard<platform::Lock> guard(g_state->DataPathLock);
    g_state->DataPath.clear();
}

void SetSonicStreamForTesting(bool present) {
    LibraryState &lib = Library();
    std::lock_guard<platform::Lock> guard(lib.AudioLock);
    if (lib.SonicStream != nullptr) sonicDestroyStream(lib.SonicStream);
    lib.SonicStream = present ? sonicCreateStream(kSampleRate, 1) : nullptr;
}

}  // namespace zorna
