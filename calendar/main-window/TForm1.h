#pragma once

#include "calendar/main-window/DesignState.h"
#include "calendar/main-window/PictureFilter.h"
#include "platform/ui/CommonDialogs.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class AutoSizeLabel;
class MemoLines;
class QAction;
class QLineEdit;
class QMenu;
class QPrinter;
class QScrollArea;
class TBigKal;
class TImageKal;
class TSmallKal;

namespace Ui {
class TForm1;
}

// The designer's main window: the single-month page and the year project's
// thirteen pages, the menus and the design state. A design is the set of
// property values of the controls on the pages.
class TForm1 : public QMainWindow, public DesignState
{
    Q_OBJECT

public:
    // The month controls read their names from `captionMemo`, which must
    // outlive the window.
    explicit TForm1(const MemoLines *captionMemo, QWidget *parent = nullptr);
    ~TForm1() override;

    std::unique_ptr<Ui::TForm1> ui;

    // Controls by their number: SmallKal 1..12, BigKal 1..13, ImageKal 1..14,
    // Label 1..27, Edit 1..13, ScrollBox 1..14, TabSheet 1..15, Jazyk 1..10.
    TSmallKal *SmallKal(int n) const;
    TBigKal *BigKal(int n) const;
    TImageKal *ImageKal(int n) const;
    AutoSizeLabel *Label(int n) const;
    QLineEdit *Edit(int n) const;
    QScrollArea *ScrollBox(int n) const;
    QWidget *TabSheet(int n) const;
    QAction *Jazyk(int n) const { return m_jazyk.at(n); }

    QMenu *PopupMenu1() const { return m_popupMenu1; }
    QAction *Vymazatobrzek1() const { return m_vymazatObrazek1; }

    void OProgramuClick();

    // Asked by every way of closing the window; false keeps it open. The
    // File menu's commands set it to their save question.
    std::function<bool()> OnCloseQuery;

    // The printer dialog; true when a printer was confirmed.
    bool PrintDialog1();
    // The system's default printer until one is confirmed in PrintDialog1.
    QPrinter &Printer();

    // Glyphs of the menu items, by index.
    QList<QIcon> ImageList1;

    OpenDialog OpenDialog1;
    SaveDialog SaveDialog1;
    // The colour and picture dialogs of the project and page commands.
    ColorDialog ColorDialog1;
    OpenPictureDialog OpenPictureDialog1{PictureFilter};

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCover();
    void buildMonthPage(int page);
    QWidget *buildScrollBox(int page);
    AutoSizeLabel *addLabel(int number, const QString &text, QWidget *content);
    void buildMenus();
    void bindMouse(int page);
    void bindDoubleClick(QObject *control, QAction *command);
    void watchSheet(int page);
    void FormCreate();
    void WireModifyEvents(int firstPage, int lastPage);
    void ControlModified(QObject *sender);
    void FormActivate();
    void TabSheetShow(int page);
    void setProjectMenuAvailable(bool available);

    std::array<TSmallKal *, 13> m_smallKal{};
    std::array<TBigKal *, 14> m_bigKal{};
    std::array<TImageKal *, 15> m_imageKal{};
    std::array<AutoSizeLabel *, 28> m_label{};
    std::array<QLineEdit *, 14> m_edit{};
    std::array<QScrollArea *, 15> m_scrollBox{};
    std::array<QWidget *, 16> m_tabSheet{};
    std::array<QAction *, 11> m_jazyk{};
    const MemoLines *m_captionMemo = nullptr;
    QMenu *m_popupMenu1 = nullptr;
    QAction *m_vymazatObrazek1 = nullptr;
    QHash<QObject *, int> m_sheetPages;
    QHash<QObject *, QAction *> m_doubleClicks;
    std::unique_ptr<QPrinter> m_printer;
    bool m_rootRefusalShown = false;
};

// The designer's main window, live from start-up to the end of the program.
extern TForm1 *Form1;
