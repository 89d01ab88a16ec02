#include "platform/ui/ModalWindow.h"
#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/browser-windows/TWeb_Site.h"
#include "trainer/browser-windows/Tchybove_Otazky.h"

namespace {

class ModuleWindows : public BrowserWindows
{
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

} // namespace

extern "C" Q_DECL_EXPORT void *varnelBrowserWindows()
{
    static ModuleWindows windows;
    return static_cast<BrowserWindows *>(&windows);
}
