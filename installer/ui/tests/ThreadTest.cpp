#include "installer/ui/Thread.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using win32::UniqueKernelHandle;

UniqueKernelHandle makeEvent() { return UniqueKernelHandle(::CreateEventW(nullptr, TRUE, FALSE, nullptr)); }

bool signalled(HANDLE h, DWORD ms = 20000) { return ::WaitForSingleObject(h, ms) == WAIT_OBJECT_0; }

DWORD exitCodeOf(HANDLE thread) {
    DWORD code = 12345;
    ::GetExitCodeThread(thread, &code);
    return code;
}

UniqueKernelHandle duplicate(HANDLE h) {
    HANDLE copy = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), h, ::GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    return UniqueKernelHandle(copy);
}

// Signals "started", waits for "go", signals "done". It copies the handles
// first, so the run never touches the object after "started".
class Gate : public thread::Thread {
public:
    Gate(HANDLE started, HANDLE go, HANDLE done) : started_(started), go_(go), done_(done) {}
    void run() override {
        const HANDLE started = started_, go = go_, done = done_;
        ::SetEvent(started);
        ::WaitForSingleObject(go, INFINITE);
        ::SetEvent(done);
    }

private:
    HANDLE started_, go_, done_;
};

TEST(Thread, IsCreatedSuspendedAndRunsOnlyWhenStarted) {
    auto started = makeEvent(), go = makeEvent(), done = makeEvent();
    Gate gate(started.get(), go.get(), done.get());
    ASSERT_NE(gate.handle(), nullptr);
    // A suspended thread reports a suspend count of 1 before this call.
    EXPECT_EQ(::SuspendThread(gate.handle()), 1u);
    EXPECT_EQ(::ResumeThread(gate.handle()), 2u);
    EXPECT_EQ(::WaitForSingleObject(started.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    gate.start();
    EXPECT_TRUE(signalled(started.get()));
    ::SetEvent(go.get());
    EXPECT_TRUE(signalled(gate.handle()));
    EXPECT_EQ(exitCodeOf(gate.handle()), 0u);
}

TEST(Thread, SecondStartThrowsAndLeavesTheRunningThreadAlone) {
    auto started = makeEvent(), go = makeEvent(), done = makeEvent();
    Gate gate(started.get(), go.get(), done.get());
    gate.start();
    ASSERT_TRUE(signalled(started.get()));
    try {
        gate.start();
        FAIL() << "no error";
    } catch (const thread::Thread::Error& e) {
        EXPECT_STREQ(e.message(), "Thread can be started only once.");
        EXPECT_STREQ(e.className(), "class Thread");
    }
    EXPECT_THROW(gate.start(), thread::GenericError);  // the base catches it too
    EXPECT_EQ(::WaitForSingleObject(gate.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));  // still running
    ::SetEvent(go.get());
    EXPECT_TRUE(signalled(done.get()));
    EXPECT_TRUE(signalled(gate.handle()));
    EXPECT_EQ(exitCodeOf(gate.handle()), 0u);
}

// Throws what it was told to, after saying that its run began.
class Thrower : public thread::Thread {
public:
    Thrower(int what, HANDLE began) : what_(what), began_(began) {}
    void run() override {
        ::SetEvent(began_);
        switch (what_) {
        case 0: throw std::runtime_error("failed");
        case 1: throw thread::Thread::Error("Thread can not be started.");
        case 2: throw 42;
        default: throw std::string("text");
        }
    }

private:
    int what_;
    HANDLE began_;
};

TEST(Thread, ExceptionInsideRunEndsTheThreadWithExitCode0) {
    for (int what = 0; what < 4; ++what) {
        auto began = makeEvent();
        Thrower thrower(what, began.get());
        thrower.start();
        EXPECT_TRUE(signalled(began.get())) << what;
        ASSERT_TRUE(signalled(thrower.handle())) << what;
        EXPECT_EQ(exitCodeOf(thrower.handle()), 0u) << what;
    }
}

TEST(Thread, DestroyingTheObjectLeavesTheThreadRunning) {
    auto started = makeEvent(), go = makeEvent(), done = makeEvent();
    UniqueKernelHandle running;
    {
        auto gate = std::make_unique<Gate>(started.get(), go.get(), done.get());
        running = duplicate(gate->handle());
        gate->start();
        ASSERT_TRUE(signalled(started.get()));
    }  // destroyed while its run waits
    EXPECT_EQ(::WaitForSingleObject(running.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(exitCodeOf(running.get()), static_cast<DWORD>(STILL_ACTIVE));
    ::SetEvent(go.get());
    EXPECT_TRUE(signalled(done.get()));
    ASSERT_TRUE(signalled(running.get()));
    EXPECT_EQ(exitCodeOf(running.get()), 0u);
}

class Flag : public thread::Runnable {
public:
    explicit Flag(HANDLE event) : event_(event) {}
    void run() override { ::SetEvent(event_); }

private:
    HANDLE event_;
};

TEST(Thread, DefaultRunCallsTheRunnableOrNothing) {
    auto ran = makeEvent();
    Flag flag(ran.get());
    thread::Thread withRunnable(&flag);
    withRunnable.start();
    EXPECT_TRUE(signalled(ran.get()));
    EXPECT_TRUE(signalled(withRunnable.handle()));
    EXPECT_EQ(exitCodeOf(withRunnable.handle()), 0u);

    thread::Thread empty;
    empty.start();
    EXPECT_TRUE(signalled(empty.handle()));
    EXPECT_EQ(exitCodeOf(empty.handle()), 0u);
}

TEST(Thread, SleepAlwaysReportsTrue) {
    EXPECT_TRUE(thread::sleep(0));
    EXPECT_TRUE(thread::sleep(1));
}

}  // namespace
