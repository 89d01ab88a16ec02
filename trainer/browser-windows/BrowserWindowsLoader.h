#pragma once

#include <QString>

class BrowserWindows;

namespace BrowserWindowsLoader {

// The module beside the program file, loaded on the first call; null with the
// reason when it cannot be loaded.
BrowserWindows *windows(QString &error);

// Test seam: while one exists, `windows` hands out this stand-in.
class Override
{
public:
    explicit Override(BrowserWindows &windows);
    ~Override();
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    BrowserWindows *m_previous;
};

} // namespace BrowserWindowsLoader
