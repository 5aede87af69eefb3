// HorlogeWin32 against the C runtime's own local time.
#include <windows.h>
#include <gtest/gtest.h>
#include <oleauto.h>

#include <cmath>
#include <ctime>

#include "HorlogeWin32.h"

TEST(HorlogeWin32, MaintenantEnHeureLocaleALaSeconde) {
    const std::time_t t = std::time(nullptr);
    const double maintenant = HorlogeWin32().Maintenant();
    const std::tm* l = std::localtime(&t);
    ASSERT_NE(l, nullptr);
    SYSTEMTIME st{static_cast<WORD>(l->tm_year + 1900),
                  static_cast<WORD>(l->tm_mon + 1),
                  0,
                  static_cast<WORD>(l->tm_mday),
                  static_cast<WORD>(l->tm_hour),
                  static_cast<WORD>(l->tm_min),
                  static_cast<WORD>(l->tm_sec),
                  0};
    double attendu = 0;
    ASSERT_TRUE(SystemTimeToVariantTime(&st, &attendu));
    // Both readings are taken within moments of each other.
    EXPECT_NEAR(maintenant, attendu, 5.0 / 86400);
    const double secondes = maintenant * 86400;
    EXPECT_NEAR(secondes, std::round(secondes), 1e-3);  // whole seconds
}
