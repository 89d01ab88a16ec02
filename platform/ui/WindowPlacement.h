#pragma once

class QWidget;

// "Centred on the screen": the window's frame centred on the primary screen.
void centreOnPrimaryScreen(QWidget &window);
