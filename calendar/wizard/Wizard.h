#pragma once

#include "platform/result/Result.h"

#include <QString>

class ColorPanel;
class QLineEdit;
class TBigKal;
class TSmallKal;
class TSpinEdit;

// The wizard's logic, on the global windows Form1 (main window) and Form3
// (wizard).

// New project: the wizard reset to its first page with the current year, the
// default colours and empty inputs, then shown modally. True when Finish
// built the project, titled with `untitledName`; false when it was closed
// without.
bool NewProjectWizard(const QString &untitledName);
// The reset New project makes before each showing.
void ResetWizard();

// A colour for one swatch through the wizard's colour dialog; Cancel keeps it.
void PickPanelColor(ColorPanel &panel);
// A picture file for one edit through the wizard's picture dialog.
void BrowsePicture(QLineEdit &edit);

// The wizard's colours and year into one month control, drawn once. Fails
// with the control's refusal of the year.
Result<> ApplyWizardToSmallKal(TSmallKal &control);
Result<> ApplyWizardToBigKal(TBigKal &control);

// The spin edit's year into the project's thirteen year labels and its
// twenty-four month controls; the single-month document is not touched.
// Fails with the first control's refusal of the year.
Result<> ApplyYear(const TSpinEdit &spinEdit);

// Finish. Every picture is loaded first: when one will not load its error is
// shown in the default error box and nothing is applied (false). A failure
// later on is shown the same way and leaves what was applied.
bool BuildProjectFromWizard();

// Page movement round the ring of three pages.
void WizardBack();
void WizardNext();
