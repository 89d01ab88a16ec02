#include "trainer/practice-test/LineBreak.h"

#include <QFontMetrics>

QString breakAfterCommas(const QString &row, const QFontMetrics &metrics, int width)
{
    QString result;
    QString line;
    for (qsizetype start = 0; start < row.size();) {
        const qsizetype comma = row.indexOf(u',', start);
        const qsizetype end = comma < 0 ? row.size() : comma + 1;
        const QString piece = row.sliced(start, end - start);
        if (!line.isEmpty() && metrics.horizontalAdvance(line + piece) > width) {
            result += line + u'\n';
            line.clear();
        }
        line += piece;
        start = end;
    }
    return result + line;
}
