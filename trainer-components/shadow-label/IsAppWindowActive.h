#pragma once

// True while one of this application's windows is the active window.
bool IsAppWindowActive();
