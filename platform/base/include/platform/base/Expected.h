#pragma once

#include <utility>
#include <variant>

namespace platform {

template <class E> struct Unexpected { E error; };

template <class E> Unexpected<E> unexpected(E error) {
    return Unexpected<E>{std::move(error)};
}

// A value or the error that prevented it: the one error channel of the stand-in's fallible calls.
template <class T, class E> class Expected {
public:
    Expected(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> failure) : m_state(std::in_place_index<1>, std::move(failure.error)) {}

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }
    T& value() { return std::get<0>(m_state); }
    const T& value() const { return std::get<0>(m_state); }
    const E& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

} // namespace platform
