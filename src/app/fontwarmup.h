#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Reads the system's font configuration and the toolkit's font list on a second thread while
// the program starts: it is the largest single cost of start-up, and the first text the window
// measures waits for it anyway (the font database is thread-safe). The configuration needs no
// application object and starts at once; the font list waits for applicationReady().
class FontWarmUp
{
public:
    FontWarmUp();
    // Joins the thread; the application object must still exist when it was made ready.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // The application object exists: the thread may fill the font list.
    void applicationReady();
    // Waits for the thread to end.
    void finish();

private:
    void run();
    void release(bool fillFontList);

    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_isReleased = false;
    bool m_fillFontList = false;
    std::thread m_thread; // last: it starts once the members above exist
};
