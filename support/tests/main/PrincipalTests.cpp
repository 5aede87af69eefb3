// The entry point of every test program. On Windows the arguments are taken from the wide
// command line and passed on in UTF-8, so that a filter naming an accented test matches
// it (the narrow arguments are in the ANSI code page). A filtered run that selects no
// test fails instead of passing silently.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    std::vector<std::string> utf8;
    int n = 0;
    if (wchar_t** larges = CommandLineToArgvW(GetCommandLineW(), &n)) {
        for (int i = 0; i < n; ++i) {
            const int taille =
                WideCharToMultiByte(CP_UTF8, 0, larges[i], -1, nullptr, 0, nullptr, nullptr);
            std::string s(static_cast<size_t>(taille > 0 ? taille - 1 : 0), '\0');
            WideCharToMultiByte(CP_UTF8, 0, larges[i], -1, s.data(), taille, nullptr, nullptr);
            utf8.push_back(std::move(s));
        }
        LocalFree(larges);
    }
    std::vector<char*> arguments;
    for (auto& s : utf8) arguments.push_back(s.data());
    arguments.push_back(nullptr);
    if (!utf8.empty()) {
        argc = static_cast<int>(utf8.size());
        argv = arguments.data();
    }
#endif
    testing::InitGoogleTest(&argc, argv);
    const int résultat = RUN_ALL_TESTS();
    const bool filtré = GTEST_FLAG_GET(filter) != "*";
    if (résultat == 0 && filtré && !GTEST_FLAG_GET(list_tests) &&
        testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        fprintf(stderr, "No test matches the filter \"%s\".\n", GTEST_FLAG_GET(filter).c_str());
        return 1;
    }
    return résultat;
}
