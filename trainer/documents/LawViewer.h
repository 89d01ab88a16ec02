#pragma once

#include "platform/modules/ProgramModule.h"

#include <QObject>
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

// What the module's plugin object offers; a module built for another form
// of the interface is refused when it loads.
#define LawViewer_iid "cz.kestrin.Varnel.LawViewer/1"
Q_DECLARE_INTERFACE(LawViewer, LawViewer_iid)

namespace LawViewerLoader {

// The module beside the program file, loaded on the first call; the reason
// when it cannot be loaded.
Result<LawViewer *> viewer();

// Test seam: while one exists, `viewer` hands out this stand-in.
using Override = ProgramModule::Loaded<LawViewer>::Override;

} // namespace LawViewerLoader
