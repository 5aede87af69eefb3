// The end of a program on an uncaught exception, linked into each program of the suite.
// libstdc++'s default handler writes the exception's demangled type to stderr, which a
// Windows GUI program does not have; defining the handler here keeps the demangler (45 KB)
// out of every program. The end is the same: abort().
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
