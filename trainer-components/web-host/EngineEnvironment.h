#pragma once

// What the browser engine needs to know before the program's first window.
// The engine itself is loaded when a browser window first opens. The shared
// OpenGL contexts it asks for are left to the engine then (it makes its own
// share context on loading): set at start, they cost a GL context before the
// main window, which tripled the start-up under Xvfb.
namespace EngineEnvironment {

// For the effective user root only (CI, containers): the engine's sandbox
// switched off, since Chromium refuses to start it as root.
void prepare();

} // namespace EngineEnvironment
