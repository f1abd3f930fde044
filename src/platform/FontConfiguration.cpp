// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontConfiguration.h"

#include <clocale>
#include <fontconfig/fontconfig.h>

// Qt reads the configuration on the main thread the first time a text is laid out: fontconfig
// parses some fifty files of rules and loads the caches of every font folder, about a quarter
// of the instructions of the program's start. The first text is the disclaimer's, so all of it
// stood between the connection to the display and the disclaimer's first paint. FcInit() reads
// the very configuration Qt reads (the default one, which Qt's own FcInit() then finds loaded);
// fontconfig guards it against two threads at once.
FontConfiguration::FontConfiguration()
{
    // QApplication sets the C library's locale from the environment as it starts, and fontconfig
    // reads the locale's decimal point as it parses numbers. Set first here, the locale is the
    // same before and after QApplication: the thread never reads one half changed.
    std::setlocale(LC_ALL, "");
    m_reader = std::thread([] { FcInit(); });
}

FontConfiguration::~FontConfiguration()
{
    waitUntilRead();
}

void FontConfiguration::waitUntilRead()
{
    if (m_reader.joinable()) {
        m_reader.join();
    }
}
