// Work on a thread of its own (see OuvrierWin32.h). A bare CreateThread rather than
// std::thread: the programs then link no threads library.
#include "OuvrierWin32.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "Possession.h"

namespace {

// The thread owns its work and frees it at the end, whether its starter still waits or not.
DWORD WINAPI Travaille(void* travail) {
    const std::unique_ptr<std::function<void()>> t(static_cast<std::function<void()>*>(travail));
    (*t)();
    return 0;
}

}  // namespace

bool OuvrierWin32::ExécuteDansLeDélai(std::function<void()> travail,
                                      std::chrono::milliseconds délai) {
    auto t = std::make_unique<std::function<void()>>(std::move(travail));
    const PoignéeNoyau fil(CreateThread(nullptr, 0, Travaille, t.get(), 0, nullptr));
    if (!fil) return false;
    t.release();  // the thread's now
    const auto ms = std::clamp<long long>(délai.count(), 0, INFINITE - 1);
    // The thread's end is waited for: all it wrote is then visible to this thread.
    return WaitForSingleObject(fil.get(), static_cast<DWORD>(ms)) == WAIT_OBJECT_0;
}
