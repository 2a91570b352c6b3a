// The installer's worker threads: a thread created suspended at construction
// that runs the object's run hook once started. Failures of the wrapper are
// thrown as Thread::Error; whatever leaves run is dropped and the thread ends
// with exit code 0.
#pragma once

#include "common/win32/Handles.h"

#include <windows.h>

namespace thread {

// Base of the library's errors, thrown and caught by value.
class GenericError {
public:
    GenericError(const char* className, const char* message) noexcept : className_(className), message_(message) {}
    const char* className() const noexcept { return className_; }
    const char* message() const noexcept { return message_; }

private:
    const char* className_;
    const char* message_;
};

// Work handed to a Thread that is not a subclass of it.
class Runnable {
public:
    virtual ~Runnable() = default;
    virtual void run() = 0;
};

class Thread {
public:
    class Error : public GenericError {
    public:
        explicit Error(const char* message) noexcept : GenericError("class Thread", message) {}
    };

    // Creates the thread at once, suspended; "Can't create thread." when it
    // cannot be made. The runnable, if any, must outlive the run.
    explicit Thread(Runnable* runnable = nullptr);
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;
    // Only closes the handle: the thread is neither waited for nor stopped.
    // The object must stay alive until run has begun, and a run still going
    // must not touch the object once its owner may destroy it.
    virtual ~Thread();

    // Default: the runnable's run, or nothing.
    virtual void run();

    // Lets the thread run; once only ("Thread can be started only once."),
    // "Thread can not be started." when resuming fails.
    void start();

    HANDLE handle() const noexcept { return handle_.get(); }

private:
    static unsigned __stdcall entry(void* self);

    Runnable* runnable_;
    bool started_ = false;
    win32::UniqueKernelHandle handle_;
};

// Sleeps for the given milliseconds; always true.
bool sleep(unsigned long milliseconds);

}  // namespace thread
