// A window program has no console to print the name of an exception that nothing
// caught; ending at once also keeps the runtime's name demangler out of the program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
