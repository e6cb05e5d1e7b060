// Holds one reference to a driver object and releases it when dropped.
#pragma once

#include <utility>

template <typename T>
class SimRef
{
public:
    SimRef() = default;
    // Takes over a reference the caller already owns.
    static SimRef adopt(T* object)
    {
        SimRef ref;
        ref.m_object = object;
        return ref;
    }
    // Adds a reference of its own.
    static SimRef share(T* object)
    {
        if (object)
            object->AddRef();
        return adopt(object);
    }
    SimRef(const SimRef& other) : m_object(other.m_object)
    {
        if (m_object)
            m_object->AddRef();
    }
    SimRef(SimRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    SimRef& operator=(SimRef other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~SimRef()
    {
        if (m_object)
            m_object->Release();
    }

    T* get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    // Hands a new reference to a caller.
    T* detachCopy() const
    {
        if (m_object)
            m_object->AddRef();
        return m_object;
    }

private:
    T* m_object = nullptr;
};
