#pragma once

#include "ComError.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <type_traits>

// A reference-counted interface pointer to a control. Copies share one handle
// (useCount() tells how many); the handle refers weakly to the control's
// widget, so a call through an empty pointer, or through one whose widget has
// been destroyed, raises ComError with the invalid-pointer code instead of
// touching freed memory.
template <class T> class InterfacePtr
{
    static_assert(std::is_base_of_v<QObject, T>, "interface pointers refer to QObjects");

public:
    InterfacePtr() = default;
    InterfacePtr(std::nullptr_t) { }
    explicit InterfacePtr(T* object)
        : m_ref(object ? std::make_shared<QPointer<T>>(object) : nullptr)
    {
    }

    // Queries the interface of an object: null stays null, an object of
    // another kind raises ComError with the no-interface code.
    static InterfacePtr fromObject(QObject* object)
    {
        if (!object)
            return InterfacePtr();
        if (T* typed = qobject_cast<T*>(object))
            return InterfacePtr(typed);
        throw ComError(ComError::NoInterface, QStringLiteral("No such interface supported"));
    }

    T* operator->() const { return checked(); }
    T& operator*() const { return *checked(); }

    // The control, or nullptr; never throws.
    T* get() const noexcept { return m_ref ? m_ref->data() : nullptr; }

    // The control; throws ComError(InvalidPointer) when there is none.
    T* checked() const
    {
        T* object = get();
        if (!object)
            throw ComError(ComError::InvalidPointer, QStringLiteral("Invalid pointer"));
        return object;
    }

    explicit operator bool() const noexcept { return get() != nullptr; }
    bool operator==(std::nullptr_t) const noexcept { return get() == nullptr; }
    bool operator!=(std::nullptr_t) const noexcept { return get() != nullptr; }
    bool operator==(const InterfacePtr& other) const noexcept { return get() == other.get(); }

    long useCount() const noexcept { return m_ref.use_count(); }
    void release() noexcept { m_ref.reset(); }

    // Another interface of the same control (see fromObject).
    template <class U> InterfacePtr<U> query() const { return InterfacePtr<U>::fromObject(checked()); }

private:
    std::shared_ptr<QPointer<T>> m_ref;
};
