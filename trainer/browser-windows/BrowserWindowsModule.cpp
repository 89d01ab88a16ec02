#include "platform/ui/ModalWindow.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/TWeb_Site.h"
#include "trainer/browser-windows/Tchybove_Otazky.h"

#include <QObject>
#include <QtPlugin>

// The page windows' plugin: loaded by Varnel when the first page window opens.
class BrowserWindowsModule : public QObject, public BrowserWindows
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserWindows_iid)
    Q_INTERFACES(BrowserWindows)

public:
    void showQuestionList(const QString &pagePath, QWidget *opener) override
    {
        runModalAs(Web_Site, pagePath, opener);
    }
    void showWrongAnswers(const QString &pagePath, QWidget *opener) override
    {
        runModalAs(chybove_Otazky, pagePath, opener);
    }
};

#include "BrowserWindowsModule.moc"
