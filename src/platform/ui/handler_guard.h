#pragma once
// Event handlers run through this guard: an error that a handler does not handle itself ends that
// handler and the program goes on, as the windows were designed ("go on after an error").

#include <exception>
#include <type_traits>
#include <utility>

namespace platform::ui {

template <typename F>
class GuardedHandler {
public:
    explicit GuardedHandler(F handler) : handler_(std::move(handler)) {}

    template <typename... Args>
    void operator()(Args&&... args) const
    {
        try {
            // A signal may pass more than the handler takes (a menu's "checked" flag).
            if constexpr (std::is_invocable_v<const F&, Args&&...>)
                handler_(std::forward<Args>(args)...);
            else
                handler_();
        } catch (const std::exception&) {
            // Nothing escapes an event handler. What the person must know of a failure (a
            // damaged file, words that cannot be searched) the handler says where it reads.
        }
    }

private:
    F handler_;
};

template <typename F>
GuardedHandler<F> guarded(F handler)
{
    return GuardedHandler<F>(std::move(handler));
}

}  // namespace platform::ui
