// Recognition of Remplo's restart marker on a program's command line.
#include <gtest/gtest.h>

#include "MarqueurRelance.h"

namespace {

TEST(MarqueurRelance, ReconnuEnDernierMotEtRetiré) {
    const struct {
        const char* arguments;
        const char* reste;
        bool relancé;
    } cas[] = {
        // As Remplo appends it: after the (empty) tail and a blank, or after a tail.
        {"(~!~)", "", true},
        {" (~!~)", "", true},
        {"/U:T /E:tmp (~!~)", "/U:T /E:tmp", true},
        {"/o\t(~!~) \t", "/o", true},
        {"/AUTO  (~!~)", "/AUTO", true},
        // Anything else is left as it is, blanks included.
        {"", "", false},
        {"  /o  ", "  /o  ", false},
        {"(~!~) /o", "(~!~) /o", false},
        {"x(~!~)", "x(~!~)", false},
        {"(~!~", "(~!~", false},
        {"~!~)", "~!~)", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.arguments);
        const LigneDeDémarrage l = SansMarqueurRelance(c.arguments);
        EXPECT_EQ(l.arguments, c.reste);
        EXPECT_EQ(l.relancé, c.relancé);
    }
}

}  // namespace
