// The decimal separator agrees with the one oleaut32 writes numbers with.
#include <windows.h>
#include <gtest/gtest.h>
#include <oleauto.h>

#include "LocaleWin32.h"
#include "Utf16.h"

TEST(LocaleWin32, SeparateurDecimalCommeVarFormat) {
    BSTR texte = nullptr;
    ASSERT_EQ(VarBstrFromR8(1.5, LOCALE_USER_DEFAULT, 0, &texte), S_OK);
    const std::string unEtDemi = DepuisUtf16(texte);
    SysFreeString(texte);
    const std::string sép = SéparateurDécimal();
    EXPECT_EQ(unEtDemi, "1" + sép + "5");
}
