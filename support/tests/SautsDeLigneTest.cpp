// Line breaks and tabs.
#include <gtest/gtest.h>

#include <limits>

#include "SautsDeLigne.h"

namespace {

TEST(SautLigneEtTabulations, ComptesBornés) {
    const struct {
        Variant n;
        size_t sauts, tabs;
    } cas[] = {
        {Absent{}, 1, 1},
        {int32_t{0}, 1, 1},
        {int32_t{-3}, 1, 1},
        {int32_t{2}, 2, 2},
        {int32_t{500}, 100, 500},
        {std::string("abc"), 1, 1},
        {std::string("3"), 3, 3},
        {2.4, 2, 2},
        {Nul{}, 1, 1},
        {DateV{36000}, 1, 1},
        {std::numeric_limits<double>::quiet_NaN(), 1, 1},
        {1e18, 100, 65536},  // never the memory of the machine
    };
    for (const auto& c : cas) {
        const std::string s = SautLigne(c.n);
        EXPECT_EQ(s.size(), 2 * c.sauts) << c.sauts;
        for (size_t i = 0; i + 1 < s.size(); i += 2) ASSERT_EQ(s.substr(i, 2), "\r\n");
        EXPECT_EQ(Tabulations(c.n), std::string(c.tabs, '\t')) << c.tabs;
    }
}

}  // namespace
