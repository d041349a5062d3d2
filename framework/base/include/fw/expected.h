// A value or an error: the small stand-in for std::expected (C++23).
#pragma once
#include <utility>
#include <variant>

namespace fw {

template <class E>
struct Unexpected {
    E error;
};
template <class E>
Unexpected<E> unexpected(E e) { return {std::move(e)}; }

template <class T, class E>
class Expected {
public:
    Expected(T value) : m_v(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> u) : m_v(std::in_place_index<1>, std::move(u.error)) {}
    bool has_value() const { return m_v.index() == 0; }
    explicit operator bool() const { return has_value(); }
    T& value() & { return std::get<0>(m_v); }
    const T& value() const& { return std::get<0>(m_v); }
    T&& value() && { return std::get<0>(std::move(m_v)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const E& error() const { return std::get<1>(m_v); }

private:
    std::variant<T, E> m_v;
};

template <class E>
class Expected<void, E> {
public:
    Expected() = default;
    Expected(Unexpected<E> u) : m_err(std::move(u.error)), m_ok(false) {}
    bool has_value() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const E& error() const { return m_err; }

private:
    E m_err{};
    bool m_ok = true;
};

}  // namespace fw
