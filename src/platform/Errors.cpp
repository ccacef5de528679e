// The end of a program that uses a platform service it never installed.
#include "platform/Errors.h"

#include <cstdio>
#include <cstdlib>

namespace kx {

void MissingService(const char* service) {
    std::fprintf(stderr, "KX-Flexor: the %s service is used before it is installed\n", service);
    std::abort();
}

} // namespace kx
