// Owner of one COM interface reference.
#pragma once

#include <unknwn.h>

#include <utility>

namespace win32 {

template <typename I>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr& other) noexcept : p_(other.p_) {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { reset(); }

    // Takes over a reference the caller already owns.
    static ComPtr attach(I* p) noexcept {
        ComPtr r;
        r.p_ = p;
        return r;
    }

    I* get() const noexcept { return p_; }
    I* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void reset() noexcept {
        if (I* old = std::exchange(p_, nullptr)) old->Release();
    }
    I** put() noexcept {
        reset();
        return &p_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    template <typename J>
    ComPtr<J> query(REFIID iid) const noexcept {
        ComPtr<J> r;
        if (p_) p_->QueryInterface(iid, r.putVoid());
        return r;
    }

private:
    I* p_ = nullptr;
};

// CoInitialize/CoUninitialize for one thread.
class ComApartment {
public:
    ComApartment() noexcept : hr_(::CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }
    bool ok() const noexcept { return SUCCEEDED(hr_); }

private:
    HRESULT hr_;
};

}  // namespace win32
