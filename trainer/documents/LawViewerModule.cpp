#include "trainer/documents/LawViewerWindow.h"

#include <QObject>
#include <QtPlugin>

// The law texts' plugin: loaded by Varnel when the first law text opens.
class LawViewerModule : public QObject, public LawViewerWindow
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LawViewer_iid)
    Q_INTERFACES(LawViewer)
};

#include "LawViewerModule.moc"
