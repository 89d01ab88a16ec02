#include "calendar/main-window/PageModel.h"

#include <QStringList>

namespace PageModel {

PageControls controlsOf(int page)
{
    if (page == CoverPage)
        return {CoverPage, 0, 1, 0, 0, CoverPage};
    if (page == SingleMonthPage)
        return {SingleMonthPage, 13, 27, 26, 13, SingleMonthPage};
    const int month = page - 1;
    return {page, month, 2 * month + 1, 2 * month, month, page};
}

int designMonth(int page)
{
    return page == SingleMonthPage ? 1 : page - 1;
}

QString tabCaption(int page)
{
    static const QStringList captions{
        QStringLiteral("Úvod"),     QStringLiteral("Leden"),    QStringLiteral("Únor"),
        QStringLiteral("Březen"),   QStringLiteral("Duben"),    QStringLiteral("Květen"),
        QStringLiteral("Červen"),   QStringLiteral("Červenec"), QStringLiteral("Srpen"),
        QStringLiteral("Září"),     QStringLiteral("Říjen"),    QStringLiteral("Listopad"),
        QStringLiteral("Prosinec"),
    };
    return captions.value(page - 1);
}

QRect scrollBoxRect(int page)
{
    return page == SingleMonthPage ? QRect(4, 8, 522, 460) : QRect(0, 0, 522, 450);
}

bool hasHorizontalRange(int page)
{
    return page == CoverPage;
}

bool liveVerticalTracking(int page)
{
    return page != 2 && page != 3;
}

QRect pictureRect(int page)
{
    return page == CoverPage ? QRect(0, 80, 502, 250) : QRect(0, 0, 502, 400);
}

QRect smallKalRect(int month)
{
    static constexpr int columns[] = {16, 176, 336};
    static constexpr int rows[] = {352, 456, 560, 663};
    const int index = month - 1;
    const int top = month == 10 ? 662 : rows[index / 3];
    return {columns[index % 3], top, 155, 85};
}

} // namespace PageModel
