// Load and unload hooks of the DLL on Windows.
#include <windows.h>

#include "library_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    try {
        if (reason == DLL_PROCESS_ATTACH) zorna::LibraryLoad();
        if (reason == DLL_PROCESS_DETACH) zorna::LibraryUnload();
    } catch (...) {
        return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
    }
    return TRUE;
}
