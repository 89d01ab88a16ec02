#pragma once

#include "platform/modules/ProgramModule.h"

#include <QString>

// The viewer of the law and decree texts. It lives in a module of its own,
// which carries the PDF libraries and is loaded when the first text opens.
class LawViewer
{
public:
    virtual ~LawViewer() = default;

    // Shows the PDF file modally under the title.
    virtual void show(const QString &documentTitle, const QString &documentFile) = 0;
};

// The module's entry point: hands out its LawViewer.
extern "C" void *varnelLawViewer();

namespace LawViewerLoader {

// The module beside the program file, loaded on the first call; the reason
// when it cannot be loaded.
Result<LawViewer *> viewer();

// Test seam: while one exists, `viewer` hands out this stand-in.
using Override = ProgramModule::Loaded<LawViewer>::Override;

} // namespace LawViewerLoader
