// Long absolute paths in the "\\?\" form; everything else as it is.
#include <gtest/gtest.h>

#include "CheminLong.h"

TEST(CheminLong, PréfixeLesCheminsAbsolusLongs) {
    const std::string p = "\\\\?\\", n(256, 'n');
    std::string u = "C:\\";  // 258 UTF-16 units in 513 bytes
    for (int i = 0; i < 85; ++i) u += "é\xF0\x9F\x93\x9E";
    const std::pair<std::string, std::string> cas[] = {
        {u + "é", u + "é"},
        {u + "éé", p + u + "éé"},
        {"c:/..\\" + n + "/./a/../x", p + "c:\\" + n + "\\x"},
        {"\\\\serveur\\partage\\..\\" + n, p + "UNC\\serveur\\partage\\" + n},
        {p + "C:\\" + n + "\\..", p + "C:\\" + n + "\\.."},
        {"dossier\\" + n + n, "dossier\\" + n + n},
    };
    for (const auto& [chemin, attendu] : cas) EXPECT_EQ(CheminLong(chemin), attendu) << chemin;
}
