// Linked into each windowed program itself, in place of the C++ library's default end for an
// uncaught exception: that one writes the exception's type to a console the program does not
// have, and carries a whole demangler (about 45 KiB) to spell it. Both end in abort().
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
