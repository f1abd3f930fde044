// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's font configuration, read on a thread of its own while Qt connects to the
// display, so that it is ready when the disclaimer lays out its first text.
#pragma once

#include <thread>

class FontConfiguration
{
public:
    // Starts reading it.
    FontConfiguration();
    // Waits until it is read.
    ~FontConfiguration();
    FontConfiguration(const FontConfiguration&) = delete;
    FontConfiguration& operator=(const FontConfiguration&) = delete;

    // Waits until it is read; Qt then finds it as it would have left it itself.
    void waitUntilRead();

private:
    std::thread m_reader;
};
