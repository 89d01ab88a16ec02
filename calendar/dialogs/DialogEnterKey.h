#pragma once

class QKeyEvent;
class QWidget;

// The designer's wizard and year dialogs have no default button: Enter presses
// the button that has the focus and nothing else. Qt would make the button
// after the focused one (Storno) the default, so Enter typed into a field
// cancelled the dialog.

// Called once the dialog's buttons exist.
void withoutDefaultButton(QWidget &dialog);
// True when the key was Enter and the dialog has dealt with it.
bool handleEnterKey(const QWidget &dialog, QKeyEvent &event);
