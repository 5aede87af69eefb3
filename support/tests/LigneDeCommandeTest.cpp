// A command line cut into its program and arguments.
#include <gtest/gtest.h>

#include "LigneDeCommande.h"

namespace {

TEST(CoupeLigneDeCommande, ProgrammeEtArguments) {
    const struct {
        const char* ligne;
        const char* programme;
        const char* arguments;
    } cas[] = {
        {"\"C:\\Mes programmes\\a.exe\" x y", "C:\\Mes programmes\\a.exe", " x y"},
        {"\"a b\"x", "a b", "x"},      // the arguments start right after the closing quote
        {"a.exe\t x", "a.exe", " x"},  // the tab that ends the program is not an argument
        {"a.exe  x ", "a.exe", " x "},
        {"\"sans fin x", "sans fin x", ""},
        {"\"\"", "", ""},
        {"seul", "seul", ""},
        {"", "", ""},
    };
    for (const auto& c : cas) {
        const LigneCoupée l = CoupeLigneDeCommande(c.ligne);
        EXPECT_EQ(l.programme, c.programme) << c.ligne;
        EXPECT_EQ(l.arguments, c.arguments) << c.ligne;
    }
}

}  // namespace
