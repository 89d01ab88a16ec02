#pragma once

class TForm1;

// Binds the project and page menu items of the main window to their
// commands, once every window they use exists.
void ConnectDesignMenus(TForm1 &form);
