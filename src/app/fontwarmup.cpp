#include "app/fontwarmup.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef ZYN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

FontWarmUp::FontWarmUp()
    : m_thread(&FontWarmUp::run, this)
{ }

FontWarmUp::~FontWarmUp()
{
    release(false);
    finish();
}

void FontWarmUp::applicationReady()
{
    release(true);
}

void FontWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

void FontWarmUp::release(bool fillFontList)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_isReleased)
            return;
        m_isReleased = true;
        m_fillFontList = fillFontList;
    }
    m_released.notify_one();
}

void FontWarmUp::run()
{
#ifdef ZYN_HAVE_FONTCONFIG
    // Parsing the configuration files is most of the cost; the toolkit's own FcInit() then
    // finds it done.
    FcInit();
#endif
    std::unique_lock lock(m_mutex);
    m_released.wait(lock, [this] { return m_isReleased; });
    if (m_fillFontList) {
        lock.unlock();
        QFontDatabase::families();
    }
}
