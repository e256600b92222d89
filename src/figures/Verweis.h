#pragma once
// Verweis<R(A...)>: a non-owning reference to something callable, for the
// callbacks of the frame rules. Unlike std::function it never allocates, so
// a frame can pass a capturing lambda every step. The callable must outlive
// the call it is passed to (a lambda written in the argument list does).

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace figures {

template <class Signatur>
class Verweis;

template <class R, class... A>
class Verweis<R(A...)> {
public:
    Verweis() = default;

    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, Verweis> && std::is_invocable_r_v<R, F&, A...>)
    Verweis(F&& f) // NOLINT: converting on purpose, like std::function
        : objekt_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          aufruf_([](void* o, A... a) -> R {
              return std::invoke(*static_cast<std::remove_reference_t<F>*>(o), std::forward<A>(a)...);
          })
    {
    }

    explicit operator bool() const { return aufruf_ != nullptr; }
    R operator()(A... a) const { return aufruf_(objekt_, std::forward<A>(a)...); }

private:
    void* objekt_ = nullptr;
    R (*aufruf_)(void*, A...) = nullptr;
};

} // namespace figures
