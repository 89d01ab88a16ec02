#include "calendar/main-window/TForm1.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/PrintRoute.h"

#include "ui_TForm1.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(PrintRoute)

using Change = std::function<void(TForm1 &)>;
Q_DECLARE_METATYPE(Change)

class TForm1Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageControls_data();
    void pageControls();
    void coverControls();
    void designValues();
    void pageShowHandlers_data();
    void pageShowHandlers();
    void projectShortcutsOnlyWhileProjectShown();
    void menuCaptionsAndShortcuts();
    void menuItems_data();
    void menuItems();
    void menuOrder();
    void pagesAreWhiteBesideTheContent();
    void everyDesignControlSetsModified_data();
    void everyDesignControlSetsModified();
    void sameValueLeavesModifiedAlone_data();
    void sameValueLeavesModifiedAlone();
    void doubleClicksRunTheirCommands_data();
    void doubleClicksRunTheirCommands();
    void picturePopupClearsThePicture();
    void rightClickOnAPictureOpensThePopup_data();
    void rightClickOnAPictureOpensThePopup();
    void printRouteByDocKind_data();
    void printRouteByDocKind();
    void yearLabelGrowsToTheLeft();
    void projectSheetShownFirstShowsItsCover();
    void projectPagesAreMadeWithTheWindow();

private:
    void showProjectPage(int page);
    void showSingleMonth();

    StringListMemo m_memo;
    std::unique_ptr<TForm1> m_form;
    QTemporaryDir m_dir;
    QString m_bmp;
};

void TForm1Test::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_bmp = m_dir.filePath(QStringLiteral("obrazek.bmp"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(m_bmp));
}

void TForm1Test::init()
{
    m_form = std::make_unique<TForm1>(&m_memo);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TForm1Test::cleanup()
{
    m_form.reset();
}

void TForm1Test::showProjectPage(int page)
{
    m_form->ui->PageControl->setCurrentWidget(m_form->TabSheet(PageModel::ProjectSheet));
    m_form->ui->PageControl1->setCurrentWidget(m_form->TabSheet(page));
}

void TForm1Test::showSingleMonth()
{
    m_form->ui->PageControl->setCurrentWidget(m_form->TabSheet(PageModel::SingleMonthPage));
}

void TForm1Test::pageControls_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("bigKal");
    QTest::addColumn<QString>("yearLabel");
    QTest::addColumn<QString>("monthLabel");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("tab");
    QTest::newRow("January") << 2 << "BigKal1" << "Label3" << "Label2" << "Edit1" << "Leden";
    QTest::newRow("February") << 3 << "BigKal2" << "Label5" << "Label4" << "Edit2" << "Únor";
    QTest::newRow("July") << 8 << "BigKal7" << "Label15" << "Label14" << "Edit7" << "Červenec";
    QTest::newRow("December") << 13 << "BigKal12" << "Label25" << "Label24" << "Edit12" << "Prosinec";
    QTest::newRow("single month") << 14 << "BigKal13" << "Label27" << "Label26" << "Edit13" << "";
}

void TForm1Test::pageControls()
{
    QFETCH(int, page);
    QFETCH(QString, bigKal);
    QFETCH(QString, yearLabel);
    QFETCH(QString, monthLabel);
    QFETCH(QString, edit);
    QFETCH(QString, tab);

    QWidget *sheet = m_form->TabSheet(page);
    QCOMPARE(sheet->objectName(), QStringLiteral("TabSheet%1").arg(page));
    if (!tab.isEmpty())
        QCOMPARE(m_form->ui->PageControl1->tabText(m_form->ui->PageControl1->indexOf(sheet)), tab);

    auto *box = sheet->findChild<QScrollArea *>(QStringLiteral("ScrollBox%1").arg(page));
    QVERIFY(box);
    QCOMPARE(box->geometry(), page == 14 ? QRect(4, 8, 522, 460) : QRect(0, 0, 522, 450));
    QCOMPARE(box->widget()->size(), QSize(502, 770));
    QCOMPARE(box->verticalScrollBar()->hasTracking(), page != 2 && page != 3);
    QCOMPARE(box->widget()->palette().color(QPalette::Window), QColor(Qt::white));

    QWidget *content = box->widget();
    auto *picture = content->findChild<TImageKal *>(QStringLiteral("ImageKal%1").arg(page));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(0, 0, 502, 400));
    auto *grid = content->findChild<TBigKal *>(bigKal);
    QVERIFY(grid);
    QCOMPARE(grid->geometry(), QRect(28, 499, 448, 221));
    auto *line = content->findChild<QLineEdit *>(edit);
    QVERIFY(line);
    QCOMPARE(line->geometry(), QRect(28, 739, 448, 22));
    QCOMPARE(line->font().family(), QStringLiteral("Arial"));
    QCOMPARE(line->font().pointSize(), 8);

    auto *month = content->findChild<QLabel *>(monthLabel);
    auto *year = content->findChild<QLabel *>(yearLabel);
    QVERIFY(month && year);
    QCOMPARE(month->pos(), QPoint(28, 435));
    QCOMPARE(year->geometry().right() + 1, 476);
    QCOMPARE(year->y(), 435);
    QCOMPARE(year->text(), QStringLiteral("2002"));
    QCOMPARE(year->font().pointSize(), 20);
    QVERIFY(year->font().bold());
    QCOMPARE(year->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TForm1Test::coverControls()
{
    QWidget *content = m_form->ScrollBox(1)->widget();
    QCOMPARE(m_form->ScrollBox(1)->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(m_form->ScrollBox(2)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(content->findChild<TImageKal *>(QStringLiteral("ImageKal1"))->geometry(), QRect(0, 80, 502, 250));
    auto *label1 = content->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label1->pos(), QPoint(223, 24));
    QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    const QList<QPoint> corners{{16, 352}, {176, 352}, {336, 352}, {16, 456},  {176, 456}, {336, 456},
                                {16, 560}, {176, 560}, {336, 560}, {16, 662}, {176, 663}, {336, 663}};
    for (int month = 1; month <= 12; ++month) {
        auto *small = content->findChild<TSmallKal *>(QStringLiteral("SmallKal%1").arg(month));
        QVERIFY(small);
        QCOMPARE(small->geometry(), QRect(corners[month - 1], QSize(155, 85)));
        QCOMPARE(small->Month(), month);
        QCOMPARE(small->BarvaPisma(), Colors::clRed);
    }
    QCOMPARE(m_form->ui->PageControl1->tabText(0), QStringLiteral("Úvod"));
}

void TForm1Test::designValues()
{
    for (int n = 1; n <= 13; ++n) {
        const TBigKal *big = m_form->BigKal(n);
        QVERIFY(big->MuzuVykreslit());
        QCOMPARE(big->Year(), 2002);
        QCOMPARE(big->Month(), n == 13 ? 1 : n);
        QCOMPARE(big->StartOfWeek(), 0);
        QCOMPARE(big->Memo(), &m_memo);
        QCOMPARE(big->BarvaCary(), Colors::clOlive);
        QCOMPARE(big->BarvaPozadi(), Colors::clSilver);
        QCOMPARE(big->BarvaPisma(), Colors::clBlue);
        QCOMPARE(big->BarvaCisel(), Colors::clBlue);
    }
    QCOMPARE(m_form->Label(26)->text(), QStringLiteral("Leden"));
    QCOMPARE(m_form->Label(27)->text(), QStringLiteral("2002"));
    QCOMPARE(m_form->ui->ClientArea->size(), QSize(538, 491));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Zoziruzo"));
    QVERIFY(!m_form->Modified);
    QCOMPARE(m_form->CurrentPage, 14);
    QCOMPARE(m_form->DocKind, quint8(0));
    QVERIFY(!m_form->ui->PageControl->tabBar()->isVisible());
}

void TForm1Test::pageShowHandlers_data()
{
    QTest::addColumn<int>("page");
    for (int page = 1; page <= 14; ++page)
        QTest::addRow("page %d", page) << page;
}

void TForm1Test::pageShowHandlers()
{
    QFETCH(int, page);
    // Start from the other document kind so that every change is seen.
    if (page == 14)
        showProjectPage(1);
    else
        showSingleMonth();

    if (page == 14)
        showSingleMonth();
    else
        showProjectPage(page);

    const bool project = page != 14;
    QCOMPARE(m_form->CurrentPage, page);
    QCOMPARE(m_form->DocKind, quint8(project ? 1 : 0));
    QCOMPARE(m_form->ui->NastavitBD->isEnabled(), page != 1);
    QCOMPARE(m_form->ui->ZmenitRM->isEnabled(), !project);
    QCOMPARE(m_form->ui->Projekt->menuAction()->isVisible(), project);
    QCOMPARE(m_form->ui->Projekt->menuAction()->isEnabled(), project);
    for (QAction *always : {m_form->ui->Ulozit, m_form->ui->UlozitJ, m_form->ui->Tisk, m_form->ui->NacistO})
        QVERIFY(always->isEnabled() && always->isVisible());
}

void TForm1Test::projectShortcutsOnlyWhileProjectShown()
{
    QSignalSpy colour(m_form->ui->NastavitB, &QAction::triggered);
    showSingleMonth();
    QTest::keyClick(m_form.get(), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(colour.count(), 0);
    showProjectPage(5);
    QTest::keyClick(m_form.get(), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(colour.count(), 1);
}

void TForm1Test::menuCaptionsAndShortcuts()
{
    const Ui::TForm1 &ui = *m_form->ui;
    QCOMPARE(ui.Novy->text(), QStringLiteral("&Nový"));
    QCOMPARE(ui.NovyP->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+N")));
    QCOMPARE(ui.Konec->shortcut(), QKeySequence(QStringLiteral("Alt+F4")));
    QCOMPARE(ui.Vuvuzodi->title(), QStringLiteral("&Zoziruzo"));
    QCOMPARE(ui.OProgramu->text(), QStringLiteral("&O programu"));
    QCOMPARE(m_form->Vymazatobrzek1()->text(), QStringLiteral("&Vymazat obrázek"));
    QStringList menus;
    for (QAction *item : ui.MainMenu1->actions())
        menus << item->menu()->objectName();
    QCOMPARE(menus, QStringList({"Soubor", "Projekt", "Vuvuzodi", "Jazyk", "Napoveda"}));
    for (int n = 1; n <= 10; ++n) {
        QCOMPARE(m_form->Jazyk(n)->objectName(), QStringLiteral("Jazyk%1").arg(n));
        QVERIFY(!m_form->Jazyk(n)->isVisible());
        QVERIFY(m_form->Jazyk(n)->isCheckable());
    }
}

void TForm1Test::menuItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("glyph"); // -1: none
    const struct
    {
        const char *item;
        const char *caption;
        const char *shortcut;
        int glyph;
    } rows[] = {
        {"Novy", "&Nový", "Ctrl+N", 0},
        {"NovyP", "No&vý projekt", "Ctrl+Alt+N", 0},
        {"Otevrit", "&Otevřít...", "Ctrl+O", 1},
        {"Ulozit", "&Uložit", "Ctrl+S", 2},
        {"UlozitJ", "Uložit &jako...", "", 3},
        {"Tisk", "&Tisk", "Ctrl+P", 4},
        {"Konec", "&Konec", "Alt+F4", -1},
        {"NastavitB", "&Nastavit barvu textů...", "Alt+K", 6},
        {"NastavitD", "N&astavit barvu názvů dnů...", "Alt+D", 6},
        {"NastavitV", "Na&stavit barvu výplně...", "Alt+V", 6},
        {"NastavitC", "Nas&tavit barvu čáry...", "Alt+C", 6},
        {"ZmenitR", "&Změnit rok", "Alt+R", -1},
        {"VymazatVO", "&Vymazat všechny obrázky", "", -1},
        {"VymazatT", "V&ymazat všechny texty", "", -1},
        {"NacistO", "Načíst &obrázek...", "", 1},
        {"NastavitBT", "&Nastavit barvu textu...", "", 6},
        {"NastavitBD", "N&astavit barvu názvů dnů...", "", 6},
        {"NastavitBV", "Na&stavit barvu výplně...", "", 6},
        {"NastavitBC", "Nas&tavit barvu čáry...", "", 6},
        {"ZmenitRM", "&Změnit rok a měsíc", "", -1},
        {"VymazatO", "&Vymazat obrázek", "", -1},
        {"OProgramu", "&O programu", "", 11},
    };
    for (const auto &row : rows)
        QTest::newRow(row.item) << row.item << QString::fromUtf8(row.caption) << row.shortcut << row.glyph;
}

void TForm1Test::menuItems()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(int, glyph);
    auto *action = m_form->findChild<QAction *>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    if (glyph < 0)
        QVERIFY(action->icon().isNull());
    else
        QCOMPARE(action->icon().cacheKey(), m_form->ImageList1.at(glyph).cacheKey());
}

void TForm1Test::menuOrder()
{
    const Ui::TForm1 &ui = *m_form->ui;
    const auto names = [](const QMenu *menu) {
        QStringList items;
        for (const QAction *item : menu->actions())
            items << item->objectName();
        return items;
    };
    QCOMPARE(names(ui.Soubor), QStringList({"Novy", "NovyP", "Otevrit", "Ulozit", "UlozitJ", "Mezera1", "Tisk",
                                            "Mezera2", "Konec"}));
    QVERIFY(ui.Mezera1->isSeparator() && ui.Mezera2->isSeparator());
    QCOMPARE(names(ui.Projekt), QStringList({"NastavitB", "NastavitD", "NastavitV", "NastavitC", "ZmenitR",
                                             "VymazatVO", "VymazatT"}));
    QCOMPARE(names(ui.Vuvuzodi), QStringList({"NacistO", "NastavitBT", "NastavitBD", "NastavitBV", "NastavitBC",
                                              "ZmenitRM", "VymazatO"}));
    QCOMPARE(names(ui.Napoveda), QStringList({"OProgramu"}));
    const QStringList titles{ui.Soubor->title(), ui.Projekt->title(), ui.Jazyk->title(), ui.Napoveda->title()};
    QCOMPARE(titles, QStringList({"&Soubor", "&Projekt", "&Jazyk", "&Nápověda"}));
}

// The strip the vertical scroll bar leaves beside the content is white too.
void TForm1Test::pagesAreWhiteBesideTheContent()
{
    for (int page : {1, 2, 14}) {
        showProjectPage(page == 14 ? 1 : page);
        if (page == 14)
            showSingleMonth();
        QScrollArea *box = m_form->ScrollBox(page);
        const QImage image = box->viewport()->grab().toImage();
        QVERIFY(image.width() > 0);
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    }
    QCOMPARE(m_form->ScrollBox(2)->horizontalScrollBar()->hasTracking(), true);
    QCOMPARE(m_form->ScrollBox(3)->horizontalScrollBar()->hasTracking(), true);
}

void TForm1Test::everyDesignControlSetsModified_data()
{
    QTest::addColumn<Change>("change");
    for (int n = 1; n <= 12; ++n)
        QTest::addRow("SmallKal%d", n) << Change([n](TForm1 &f) { f.SmallKal(n)->setBarvaCary(Colors::clRed); });
    for (int n = 1; n <= 13; ++n)
        QTest::addRow("BigKal%d", n) << Change([n](TForm1 &f) { f.BigKal(n)->setBarvaCisel(Colors::clRed); });
    for (int n = 1; n <= 14; ++n)
        QTest::addRow("ImageKal%d", n) << Change([this, n](TForm1 &f) { QVERIFY(f.ImageKal(n)->setFileName(m_bmp)); });
    for (int n = 1; n <= 13; ++n)
        QTest::addRow("Edit%d", n) << Change([n](TForm1 &f) { f.Edit(n)->setText(QStringLiteral("x")); });
    QTest::newRow("year of a month control") << Change([](TForm1 &f) { QVERIFY(f.BigKal(4)->setYear(2003)); });
    QTest::newRow("month outside the range still reports")
        << Change([](TForm1 &f) { f.SmallKal(2)->setMonth(13); });
    QTest::newRow("drawing switch") << Change([](TForm1 &f) { f.BigKal(13)->setMuzuVykreslit(false); });
    QTest::newRow("failed picture load still reports") << Change([](TForm1 &f) {
        QVERIFY(!f.ImageKal(3)->setFileName(QStringLiteral("a.png")));
    });
}

void TForm1Test::everyDesignControlSetsModified()
{
    QFETCH(Change, change);
    QVERIFY(!m_form->Modified);
    change(*m_form);
    QVERIFY(m_form->Modified);
}

void TForm1Test::sameValueLeavesModifiedAlone_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("same colour") << Change([](TForm1 &f) { f.SmallKal(1)->setBarvaCary(Colors::clOlive); });
    QTest::newRow("same year") << Change([](TForm1 &f) { QVERIFY(f.BigKal(1)->setYear(2002)); });
    QTest::newRow("first day of the week") << Change([](TForm1 &f) { f.BigKal(1)->setStartOfWeek(1); });
    QTest::newRow("empty picture name again") << Change([](TForm1 &f) { f.ImageKal(1)->Clear(); });
    QTest::newRow("same text") << Change([](TForm1 &f) { f.Edit(1)->setText(QString()); });
    QTest::newRow("year label") << Change([](TForm1 &f) { f.Label(3)->setText(QStringLiteral("2010")); });
}

void TForm1Test::sameValueLeavesModifiedAlone()
{
    QFETCH(Change, change);
    change(*m_form);
    QVERIFY(!m_form->Modified);
}

void TForm1Test::doubleClicksRunTheirCommands_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("command"); // empty: nothing runs
    QTest::newRow("single-month name") << 14 << "Label26" << "ZmenitRM";
    QTest::newRow("single-month year") << 14 << "Label27" << "NastavitBT";
    QTest::newRow("January year") << 2 << "Label3" << "NastavitBT";
    QTest::newRow("December year") << 13 << "Label25" << "NastavitBT";
    QTest::newRow("cover year") << 1 << "Label1" << "ZmenitR";
    QTest::newRow("cover picture") << 1 << "ImageKal1" << "NacistO";
    QTest::newRow("single-month picture") << 14 << "ImageKal14" << "NacistO";
    QTest::newRow("project month name") << 4 << "Label6" << "";
}

void TForm1Test::doubleClicksRunTheirCommands()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QString, command);
    if (page == 14)
        showSingleMonth();
    else
        showProjectPage(page);

    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QStringList names;
    for (QAction *action : m_form->findChildren<QAction *>()) {
        if (action->objectName().isEmpty() || action->menu())
            continue;
        names << action->objectName();
        spies.push_back(std::make_unique<QSignalSpy>(action, &QAction::triggered));
    }
    auto *target = m_form->findChild<QWidget *>(control);
    QVERIFY(target);
    QTest::mouseDClick(target, Qt::LeftButton);
    for (std::size_t i = 0; i < spies.size(); ++i)
        QCOMPARE(spies[i]->count(), names[int(i)] == command ? 1 : 0);
}

void TForm1Test::picturePopupClearsThePicture()
{
    QSignalSpy clear(m_form->ui->VymazatO, &QAction::triggered);
    m_form->Vymazatobrzek1()->trigger();
    QCOMPARE(clear.count(), 1);
}

void TForm1Test::rightClickOnAPictureOpensThePopup_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("cover") << 1;
    QTest::newRow("May") << 6;
    QTest::newRow("single month") << 14;
}

void TForm1Test::rightClickOnAPictureOpensThePopup()
{
    QFETCH(int, page);
    if (page == 14)
        showSingleMonth();
    else
        showProjectPage(page);
    TImageKal *picture = m_form->ImageKal(page);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10), picture->mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(picture, &click);
    QVERIFY(m_form->PopupMenu1()->isVisible());
    QCOMPARE(m_form->PopupMenu1()->actions(), QList<QAction *>({m_form->Vymazatobrzek1()}));
    m_form->PopupMenu1()->close();

    // Elsewhere on the page no popup opens.
    QContextMenuEvent onYear(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QCoreApplication::sendEvent(m_form->Label(1), &onYear);
    QVERIFY(!m_form->PopupMenu1()->isVisible());
}

void TForm1Test::printRouteByDocKind_data()
{
    QTest::addColumn<int>("docKind");
    QTest::addColumn<PrintRoute>("route");
    QTest::newRow("single month") << 0 << PrintRoute::PrinterDialog;
    QTest::newRow("year project") << 1 << PrintRoute::PrintWindow;
    QTest::newRow("other") << 2 << PrintRoute::Nothing;
    QTest::newRow("highest") << 255 << PrintRoute::Nothing;
}

void TForm1Test::printRouteByDocKind()
{
    QFETCH(int, docKind);
    QFETCH(PrintRoute, route);
    QCOMPARE(printRouteFor(quint8(docKind)), route);
}

void TForm1Test::yearLabelGrowsToTheLeft()
{
    AutoSizeLabel *year = m_form->Label(27);
    const int narrow = year->width();
    year->setText(QStringLiteral("20022002"));
    QVERIFY(year->width() > narrow);
    QCOMPARE(year->geometry().right() + 1, 476);
    AutoSizeLabel *month = m_form->Label(26);
    month->setText(QStringLiteral("Září a říjen"));
    QCOMPARE(month->pos(), QPoint(28, 435));
}

// Shown with no control asked for first, the project sheet comes up with its
// cover complete.
void TForm1Test::projectSheetShownFirstShowsItsCover()
{
    m_form = std::make_unique<TForm1>(&m_memo);
    m_form->show();
    m_form->ui->PageControl->setCurrentWidget(m_form->ui->TabSheet15);
    QCOMPARE(m_form->CurrentPage, PageModel::CoverPage);
    QCOMPARE(m_form->DocKind, 1);
    QVERIFY(m_form->ScrollBox(PageModel::CoverPage)->isVisible());
    for (QWidget *control : {static_cast<QWidget *>(m_form->ImageKal(1)), static_cast<QWidget *>(m_form->Label(1)),
                             static_cast<QWidget *>(m_form->SmallKal(12))})
        QVERIFY2(control->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(m_form->ui->PageControl1->count(), 13);
    QVERIFY(!m_form->Modified);
}

// The window is made with its fourteen pages; the single month is shown.
void TForm1Test::projectPagesAreMadeWithTheWindow()
{
    m_form = std::make_unique<TForm1>(&m_memo);
    QVERIFY(!m_form->Modified);
    QCOMPARE(m_form->ui->PageControl1->count(), 13);
    QCOMPARE(m_form->ui->PageControl->currentWidget(), m_form->TabSheet(PageModel::SingleMonthPage));
}

QTEST_MAIN(TForm1Test)
#include "TForm1Test.moc"
