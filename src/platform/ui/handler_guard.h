#pragma once
// Event handlers run through this guard: an error that a handler does not handle itself ends that
// handler and the program goes on, as the windows were designed ("go on after an error").

#include <exception>
#include <type_traits>
#include <utility>

namespace platform::ui {

template <typename F>
auto guarded(F handler)
{
    return [handler = std::move(handler)](auto&&... args) {
        try {
            // A signal may pass more than the handler takes (a menu's "checked" flag).
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                handler(std::forward<decltype(args)>(args)...);
            else
                handler();
        } catch (const std::exception&) {
            // Nothing escapes an event handler.
        }
    };
}

}  // namespace platform::ui
