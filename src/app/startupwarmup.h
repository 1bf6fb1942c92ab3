#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// Does on a second thread, while the program starts, the toolkit's one-time work that the
// window's first frame waits for: reading the system's font configuration and the font list.
// The configuration needs no application object and starts at once; the list waits for
// applicationReady().
class StartupWarmUp
{
public:
    StartupWarmUp();
    // Joins the thread; the application object must still exist when it was made ready.
    ~StartupWarmUp();

    StartupWarmUp(const StartupWarmUp &) = delete;
    StartupWarmUp &operator=(const StartupWarmUp &) = delete;

    // The application object exists: the thread may go on with the font list.
    void applicationReady();
    // Waits for the thread to end; one not made ready by then skips the font list.
    void finish();

    // Returns once the font configuration has been read, when a warm-up is running: the
    // toolkit's own first read meanwhile would do all of it a second time.
    static void awaitFontConfiguration();

private:
    void run();
    void release(bool goOn);
    void waitConfigured();

    static std::atomic<StartupWarmUp *> s_running;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_isConfigured = false;
    bool m_isReleased = false;
    bool m_goOn = false;
    std::thread m_thread; // started once the members above exist
};
