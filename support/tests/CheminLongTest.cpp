// Long absolute paths in the "\\?\" form; everything else as it is.
#include <gtest/gtest.h>

#include "CheminLong.h"

TEST(CheminLong, PréfixeLesCheminsAbsolusDeDeuxCentSoixanteUnités) {
    const std::string n(260, 'n');  // a name that brings every path below past the limit
    const std::string d259 = "C:\\" + std::string(256, 'a');
    const struct {
        std::string chemin, attendu;
    } cas[] = {
        {d259, d259},  // 259 units: the plain form still works
        {d259 + "b", "\\\\?\\" + d259 + "b"},
        {"c:/tmp/" + n + "/x.tmp", "\\\\?\\c:\\tmp\\" + n + "\\x.tmp"},
        {"C:\\a\\\\.\\b\\..\\" + n + "\\", "\\\\?\\C:\\a\\" + n + "\\"},
        {"C:\\..\\..\\" + n, "\\\\?\\C:\\" + n},  // ".." never climbs above the drive
        {"C:\\" + n + "\\..", "\\\\?\\C:\\"},
        {"C:\\" + n + ". \\x", "\\\\?\\C:\\" + n + ". \\x"},  // trailing dots and blanks kept
        {"\\\\serveur\\partage\\" + n, "\\\\?\\UNC\\serveur\\partage\\" + n},
        {"\\\\serveur\\partage\\..\\" + n, "\\\\?\\UNC\\serveur\\partage\\" + n},
        // Already in a device form, relative, or not a complete UNC root: as they are.
        {"\\\\?\\C:\\" + n + "\\..\\x", "\\\\?\\C:\\" + n + "\\..\\x"},
        {"\\\\.\\C:\\" + n, "\\\\.\\C:\\" + n},
        {"dossier\\" + n + n, "dossier\\" + n + n},
        {"\\racine\\" + n + n, "\\racine\\" + n + n},
        {"C:" + n + n, "C:" + n + n},
        {"\\\\\\partage\\" + n, "\\\\\\partage\\" + n},
        {"\\\\serveur\\\\" + n, "\\\\serveur\\\\" + n},
    };
    for (const auto& c : cas) EXPECT_EQ(CheminLong(c.chemin), c.attendu) << c.chemin;
}

TEST(CheminLong, CompteEnUnitésUtf16) {
    // "C:\", 128 two-byte and one four-byte character: 133 units in 263 bytes, below the
    // limit; 63 four-byte characters more make 259 units, still below; one more reaches it.
    std::string chemin = "C:\\";
    for (int i = 0; i < 128; ++i) chemin += "é";
    chemin += "\xF0\x9F\x93\x9E";
    EXPECT_EQ(CheminLong(chemin), chemin);
    for (int i = 0; i < 63; ++i) chemin += "\xF0\x9F\x93\x9E";
    EXPECT_EQ(CheminLong(chemin), chemin);
    EXPECT_EQ(CheminLong(chemin + "é"), "\\\\?\\" + chemin + "é");
}
