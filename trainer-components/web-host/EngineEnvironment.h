#pragma once

// What the browser engine needs before the application object exists. It
// costs nothing at start: the engine itself is loaded when a browser window
// first opens.
namespace EngineEnvironment {

// Shared OpenGL contexts; and, for the effective user root only (CI,
// containers), the engine's sandbox switched off, since Chromium refuses to
// start it as root.
void prepare();

} // namespace EngineEnvironment
