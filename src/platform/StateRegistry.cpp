// The list of registered program states.
#include "platform/StateRegistry.h"

namespace kx {

std::vector<RegisteredState>& StateRegistry() {
    static std::vector<RegisteredState> states; // made on first use, whatever the order of initialisation
    return states;
}

} // namespace kx
