// Runs a callable when the scope ends, unless dismissed.
#pragma once

#include <utility>

namespace win32 {

template <typename F>
class ScopeGuard {
public:
    explicit ScopeGuard(F f) noexcept : f_(std::move(f)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() {
        if (active_) f_();
    }
    void dismiss() noexcept { active_ = false; }

private:
    F f_;
    bool active_ = true;
};

}  // namespace win32
