#include "platform/gdi/FontSetup.h"

#include <fontconfig/fontconfig.h>
#include <mutex>
#include <thread>

namespace platform::gdi {

namespace {

// The one background reading, joined by the first text call or, failing that, at exit.
class FontSetup {
public:
    ~FontSetup() { finish(); }

    void start() {
        std::lock_guard lock(m_mutex);
        if (m_started)
            return;
        m_started = true;
        m_reader = std::thread([] { FcInit(); });
    }

    void finish() {
        std::lock_guard lock(m_mutex);
        if (m_reader.joinable())
            m_reader.join();
    }

private:
    std::mutex m_mutex;
    bool m_started = false;
    std::thread m_reader;
};

FontSetup& fontSetup() {
    static FontSetup setup;
    return setup;
}

} // namespace

void startFontSetup() {
    fontSetup().start();
}

void finishFontSetup() {
    fontSetup().finish();
}

} // namespace platform::gdi
