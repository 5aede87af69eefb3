// The programs' worker thread: its end awaited for a bounded time, late work left to end alone.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <tuple>

#include "OutilsTestWin32.h"
#include "OuvrierWin32.h"

TEST(OuvrierWin32, AttendLaFinDuTravailDansLeDélai) {
    for (auto [durée, délai, fini] : {std::tuple{0, 10000, true}, std::tuple{3000, 50, false}}) {
        const auto écrit = std::make_shared<std::atomic<int>>(0);
        const bool rendu = OuvrierWin32().ExécuteDansLeDélai(
            [écrit, d = durée] {
                Sleep(static_cast<DWORD>(d));
                *écrit = d + 1;
            },
            std::chrono::milliseconds(délai));
        EXPECT_EQ(rendu, fini);
        EXPECT_EQ(*écrit, fini ? 1 : 0);
        // The late work still runs to its end, then frees what it held.
        EXPECT_TRUE(AttendsQue([&] { return écrit.use_count() == 1; }, std::chrono::seconds(10)));
        EXPECT_EQ(*écrit, durée + 1);
    }
}
