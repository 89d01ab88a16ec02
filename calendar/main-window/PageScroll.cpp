#include "calendar/main-window/PageScroll.h"

#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"

#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int SinglePagePosition = 314;
constexpr int ProjectPagePosition = 324;

} // namespace

void ScrollSinglePage(TForm1 &form)
{
    form.ScrollBox(PageModel::SingleMonthPage)->verticalScrollBar()->setValue(SinglePagePosition);
}

void ScrollProjectPages(TForm1 &form)
{
    for (int page = PageModel::CoverPage; page <= PageModel::LastMonthPage; ++page)
        form.ScrollBox(page)->verticalScrollBar()->setValue(ProjectPagePosition);
}
