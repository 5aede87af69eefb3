// The programs' worker thread: its end awaited for a bounded time, late work left to end alone.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "OutilsTestWin32.h"
#include "OuvrierWin32.h"

namespace {

using namespace std::chrono_literals;

TEST(OuvrierWin32, AttendLaFinDuTravailDansLeDélai) {
    struct Cas {
        DWORD durée;  // ms
        std::chrono::milliseconds délai;
        bool fini;
    };
    for (const Cas& cas : {Cas{0, 10000ms, true}, Cas{3000, 50ms, false}}) {
        OuvrierWin32 ouvrier;
        const auto écrit = std::make_shared<std::atomic<int>>(0);
        const DWORD début = GetTickCount();
        EXPECT_EQ(ouvrier.ExécuteDansLeDélai(
                      [écrit, durée = cas.durée] {
                          Sleep(durée);
                          *écrit = 42;
                      },
                      cas.délai),
                  cas.fini)
            << cas.durée;
        EXPECT_LT(GetTickCount() - début, 2000u) << cas.durée;
        EXPECT_EQ(*écrit, cas.fini ? 42 : 0) << cas.durée;
        // The late work still runs to its end, then frees what it held.
        EXPECT_TRUE(AttendsQue([&] { return écrit.use_count() == 1; }, 10s)) << cas.durée;
        EXPECT_EQ(*écrit, 42);
    }
}

}  // namespace
