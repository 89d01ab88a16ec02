#include "trainer/practice-test/LineBreak.h"

#include <QFontMetrics>

QString breakWhereLineIsFull(const QString &text, const QFontMetrics &metrics, int width)
{
    QString result;
    QString line;
    for (const QChar ch : text) {
        // A line always keeps its first character, however narrow the width.
        if (!line.isEmpty() && metrics.horizontalAdvance(line + ch) > width) {
            result += line + u'\n';
            line.clear();
        }
        line += ch;
    }
    return result + line;
}
