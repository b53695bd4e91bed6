// Intrusive smart pointer for the engine's reference-counted objects: it holds one reference,
// and reset() releases it exactly once and leaves the pointer null.
#pragma once

#include <cstddef>
#include <utility>

namespace qor {

template <class T> class RefPtr {
public:
    RefPtr() = default;
    RefPtr(std::nullptr_t) {}
    // Takes a new reference to the object.
    explicit RefPtr(T* object) : object_(object) {
        if (object_ != nullptr) {
            object_->AddRef();
        }
    }
    RefPtr(const RefPtr& other) : RefPtr(other.object_) {}
    RefPtr(RefPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U> RefPtr(const RefPtr<U>& other) : RefPtr(other.get()) {}
    ~RefPtr() { reset(); }

    RefPtr& operator=(const RefPtr& other) {
        RefPtr(other).swap(*this);
        return *this;
    }
    RefPtr& operator=(RefPtr&& other) noexcept {
        RefPtr(std::move(other)).swap(*this);
        return *this;
    }
    RefPtr& operator=(std::nullptr_t) {
        reset();
        return *this;
    }

    // Adopts a reference that the caller already holds (no AddRef).
    static RefPtr Adopt(T* object) {
        RefPtr result;
        result.object_ = object;
        return result;
    }

    void reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->Release();
        }
    }
    void swap(RefPtr& other) noexcept { std::swap(object_, other.object_); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }

    friend bool operator==(const RefPtr& a, const RefPtr& b) { return a.object_ == b.object_; }
    friend bool operator==(const RefPtr& a, std::nullptr_t) { return a.object_ == nullptr; }

private:
    T* object_ = nullptr;
};

// A new object with its first reference held by the result.
template <class T, class... Args> RefPtr<T> MakeRef(Args&&... args) {
    return RefPtr<T>::Adopt(new T(std::forward<Args>(args)...));
}

} // namespace qor
