// GoogleTest's start signal for threads of its own, in the place of the one it builds on
// std::mutex and std::condition_variable, which the win32 thread model's libstdc++ (the model
// whose binaries load on Windows XP) lacks. Forced into every file that includes GoogleTest in
// the Windows trees, ahead of GoogleTest's own headers.
#pragma once

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

private:
    void* event_;  // a manual-reset Win32 event
};

}  // namespace testing::internal
