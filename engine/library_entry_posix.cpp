// Load and unload hooks of the shared library on POSIX systems.
#include "library_state.h"

namespace {

__attribute__((constructor)) void ZornaLibraryLoad() {
    try {
        zorna::LibraryLoad();
    } catch (...) {
        // Nothing may escape a load hook; the state is created on first use anyway.
    }
}

__attribute__((destructor)) void ZornaLibraryUnload() {
    try {
        zorna::LibraryUnload();
    } catch (...) {
    }
}

}  // namespace
