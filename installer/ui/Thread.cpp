#include "installer/ui/Thread.h"

#include <process.h>

namespace thread {

Thread::Thread(Runnable* runnable) : runnable_(runnable) {
    const uintptr_t created = ::_beginthreadex(nullptr, 0, &Thread::entry, this, CREATE_SUSPENDED, nullptr);
    if (created == 0) throw Error("Can't create thread.");
    handle_.reset(reinterpret_cast<HANDLE>(created));
}

Thread::~Thread() = default;

void Thread::run() {
    if (runnable_) runnable_->run();
}

void Thread::start() {
    if (started_) throw Error("Thread can be started only once.");
    started_ = true;
    if (::ResumeThread(handle_.get()) == static_cast<DWORD>(-1)) throw Error("Thread can not be started.");
}

unsigned __stdcall Thread::entry(void* self) {
    try {
        static_cast<Thread*>(self)->run();
    } catch (...) {
        // A failed run ends its thread silently.
    }
    ::_endthreadex(0);
    return 0;
}

bool sleep(unsigned long milliseconds) {
    ::Sleep(milliseconds);
    return true;
}

}  // namespace thread
