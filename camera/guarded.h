// guarded.h - a value shared between the GUI thread and the capture thread that is always read
// and written whole (a point never comes out half old, half new).
#ifndef GUARDED_H
#define GUARDED_H

#include <mutex>
#include <utility>

template <typename T> class Guarded
{
public:
    Guarded() = default;
    explicit Guarded(T initial) : m_value(std::move(initial)) { }
    Guarded(const Guarded &) = delete;
    Guarded &operator=(const Guarded &) = delete;

    T load() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_value;
    }

    void store(T value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_value = std::move(value);
    }

private:
    mutable std::mutex m_mutex;
    T m_value {};
};

#endif // GUARDED_H
