// The program state that the one reset returns to its start-up value. Each module registers its
// state where it defines it, so no state can be left off a hand-kept list.
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kx {

struct RegisteredState {
    std::string name;
    std::function<void()> reset;   // back to a blank instance
    std::function<bool()> isBlank; // equal to a blank instance
};

// Every registered state, in the order the program's modules were initialised.
std::vector<RegisteredState>& StateRegistry();

// Registers a module's state. Blank instances are made on the heap, once, when first needed: some
// states (the engine's work state) are megabytes and would not fit a stack temporary.
class StateRegistration {
public:
    template <std::equality_comparable T> StateRegistration(T& state, const char* name) {
        auto blank = [] {
            static const std::unique_ptr<const T> b = std::make_unique<const T>();
            return b.get();
        };
        StateRegistry().push_back(
            {name, [&state, blank] { state = *blank(); }, [&state, blank] { return state == *blank(); }});
    }
};

} // namespace kx

// Registers the module state `name`, defined in the same file.
#define KX_REGISTER_STATE(name) static const ::kx::StateRegistration kRegistered_##name(name, #name)
