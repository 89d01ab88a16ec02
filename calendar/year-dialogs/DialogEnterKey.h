#pragma once

class QKeyEvent;
class QWidget;

// The designer's dialogs have no default button: Enter presses only a button
// that has the focus. Qt would press the last button it made default instead
// (Storno, after the focus left OK or Next), so Enter typed into a field
// cancelled the dialog. True when the dialog took the key and does nothing.
bool swallowEnterOutsideButtons(const QWidget &dialog, QKeyEvent &event);
