#include "trainer/documents/LawViewerWindow.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT void *varnelLawViewer()
{
    static LawViewerWindow viewer;
    return static_cast<LawViewer *>(&viewer);
}
