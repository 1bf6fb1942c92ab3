#include "app/startupwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>

#ifdef ZYN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

std::atomic<StartupWarmUp *> StartupWarmUp::s_running { nullptr };

StartupWarmUp::StartupWarmUp()
{
    try {
        m_thread = std::thread(&StartupWarmUp::run, this);
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit does all of it itself, when it first needs it.
        return;
    }
    s_running = this;
}

StartupWarmUp::~StartupWarmUp()
{
    finish();
}

void StartupWarmUp::applicationReady()
{
    release(true);
}

void StartupWarmUp::finish()
{
    // Not made ready by now, it never will be.
    release(false);
    if (m_thread.joinable())
        m_thread.join();
    StartupWarmUp *self = this;
    s_running.compare_exchange_strong(self, nullptr);
}

void StartupWarmUp::awaitFontConfiguration()
{
    if (StartupWarmUp *running = s_running.load())
        running->waitConfigured();
}

void StartupWarmUp::waitConfigured()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_isConfigured; });
}

void StartupWarmUp::release(bool goOn)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_isReleased)
            return;
        m_isReleased = true;
        m_goOn = goOn;
    }
    m_changed.notify_all();
}

void StartupWarmUp::run()
{
#ifdef ZYN_HAVE_FONTCONFIG
    // Parsing the configuration files is most of the cost; the toolkit's own FcInit() then
    // finds it done.
    FcInit();
#endif
    std::unique_lock lock(m_mutex);
    m_isConfigured = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_isReleased; });
    if (!m_goOn)
        return;
    lock.unlock();
    QFontDatabase::families();
}
