#pragma once

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/wizard/TForm3.h"
#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/WidgetLook.h"

#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

// Test support: the designer's windows behind their global references, the
// main window shown, without the start-up load.
struct DesignerWindows
{
    TForm2 form2;
    TForm1 form1{&form2.CaptionMemo};
    TForm3 form3;
    TForm4 form4;
    TForm5 form5;

    DesignerWindows()
    {
        Form1 = &form1;
        Form2 = &form2;
        Form3 = &form3;
        Form4 = &form4;
        Form5 = &form5;
        form1.show();
        static_cast<void>(QTest::qWaitForWindowExposed(&form1));
    }
    ~DesignerWindows()
    {
        Form1 = nullptr;
        Form2 = nullptr;
        Form3 = nullptr;
        Form4 = nullptr;
        Form5 = nullptr;
    }
    DesignerWindows(const DesignerWindows &) = delete;
    DesignerWindows &operator=(const DesignerWindows &) = delete;

    void showPage(int page)
    {
        auto *outer = form1.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        if (page == PageModel::SingleMonthPage) {
            outer->setCurrentWidget(form1.TabSheet(PageModel::SingleMonthPage));
            return;
        }
        outer->setCurrentWidget(form1.TabSheet(PageModel::ProjectSheet));
        form1.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentWidget(form1.TabSheet(page));
    }
};

// Every colour of the design by name ("BigKal3.BarvaCisel", "Label6.font"),
// so that a test sees each one a command changed and each one it left alone.
class DesignColors
{
public:
    using Colors = QMap<QString, TColor>;

    // Gives every colour a value of its own, in the order of `names()`.
    static void makeDistinct(TForm1 &form)
    {
        quint32 next = 0x010101;
        visit(form, [&next](const QString &, TColor, const std::function<void(TColor)> &set) {
            set(TColor(next));
            next += 0x010203;
        });
    }

    static Colors read(TForm1 &form)
    {
        Colors colors;
        visit(form, [&colors](const QString &name, TColor color, const std::function<void(TColor)> &) {
            colors.insert(name, color);
        });
        return colors;
    }

    static QStringList changed(const Colors &before, const Colors &after)
    {
        QStringList names;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (after.value(it.key()) != it.value())
                names << it.key();
        }
        return names;
    }

private:
    using Visitor = std::function<void(const QString &, TColor, const std::function<void(TColor)> &)>;

    static void visitMonth(const QString &name, MonthControl &control, const Visitor &visitor)
    {
        visitor(name + ".BarvaCary", control.BarvaCary(), [&control](TColor c) { control.setBarvaCary(c); });
        visitor(name + ".BarvaPozadi", control.BarvaPozadi(), [&control](TColor c) { control.setBarvaPozadi(c); });
        visitor(name + ".BarvaPisma", control.BarvaPisma(), [&control](TColor c) { control.setBarvaPisma(c); });
    }

    static void visit(TForm1 &form, const Visitor &visitor)
    {
        for (int n = 1; n <= 12; ++n)
            visitMonth(QStringLiteral("SmallKal%1").arg(n), *form.SmallKal(n), visitor);
        for (int n = 1; n <= 13; ++n) {
            TBigKal &grid = *form.BigKal(n);
            const QString name = QStringLiteral("BigKal%1").arg(n);
            visitMonth(name, grid, visitor);
            visitor(name + ".BarvaCisel", grid.BarvaCisel(), [&grid](TColor c) { grid.setBarvaCisel(c); });
        }
        for (int n = 1; n <= 27; ++n) {
            QWidget *label = form.Label(n);
            visitor(QStringLiteral("Label%1.font").arg(n), WidgetLook::textColor(*label),
                    [label](TColor c) { WidgetLook::setTextColor(label, c); });
        }
        for (int n = 1; n <= 13; ++n) {
            QWidget *edit = form.Edit(n);
            visitor(QStringLiteral("Edit%1.font").arg(n), WidgetLook::textColor(*edit),
                    [edit](TColor c) { WidgetLook::setTextColor(edit, c); });
        }
    }
};

// "SmallKal%1.BarvaPisma" for 1..12, and the like.
inline QStringList numberedNames(const QString &pattern, int from, int to)
{
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << pattern.arg(n);
    return names;
}

// A colour command run with every design colour distinct and `answer` chosen
// in the colour dialog: the dialogs it opened and the colours it changed,
// sorted by name.
struct ColorCommandRun
{
    std::vector<CommonDialogs::Request> requests;
    QStringList changed;

    static ColorCommandRun of(TForm1 &form, const std::function<void()> &command, TColor answer)
    {
        DesignColors::makeDistinct(form);
        const DesignColors::Colors before = DesignColors::read(form);
        CommonDialogs::Script script;
        script.answerColor(answer);
        command();
        QStringList changed = DesignColors::changed(before, DesignColors::read(form));
        changed.sort();
        return {script.requests(), changed};
    }

    // The distinct colour that `name` had before the command.
    static TColor distinctColorOf(TForm1 &form, const QString &name)
    {
        DesignColors::makeDistinct(form);
        return DesignColors::read(form).value(name);
    }
};
