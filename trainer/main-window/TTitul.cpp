#include "trainer/main-window/TTitul.h"

#include "platform/files/FileSystem.h"
#include "platform/files/PathResolver.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer/documents/LawDocuments.h"
#include "trainer/documents/TUkazPrilohu.h"
#include "trainer/main-window/MenuGlyphs.h"
#include "trainer/main-window/SystemVersion.h"
#include "trainer/main-window/TrainerArt.h"
#include "trainer/practice-test/TRun_Test.h"
#include "trainer/backup/TJina_obnova.h"
#include "trainer/backup/TJina_zaloha.h"
#include "trainer/service/TServisni_okno.h"
#include "trainer/program-info/TI_o_prg.h"
#include "trainer/browser-windows/PageRoad.h"
#include "trainer/html-pages/PageFile.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "trainer/messages/TrainerMessages.h"
#include "ui_TTitul.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

TTitul *Titul = nullptr;

namespace {

constexpr QSize MinimumScreen{800, 600};
constexpr int VerSysRightEdge = 729;
constexpr int VerSysTop = 16;

struct MenuRow
{
    QAction *TTitul::*member; // null: separator
    const char *name;
    const char16_t *caption;
};

const MenuRow TestMenu[] = {
    {&TTitul::SimulaceTestovchotzek1, "SimulaceTestovchotzek1",
     u"Testové otázky \"Odborná způsobilost\" - Spuštění testu"},
    {&TTitul::Tiskyotzek1, "Tiskyotzek1", u"Platné otázky - \" Odborná způsobilost \""},
    {nullptr, "N3", u""},
    {&TTitul::Zakon288, "Zakon288", u"Zákon 288/1995 Sb. (Platný do 31.12.2002)"},
    {&TTitul::Vyhlaska_1, "Vyhlaska_1", u"Vyhláška MV č. 50/1996 Sb."},
    {&TTitul::Vyhlaska_2, "Vyhlaska_2", u"Vyhláška ČBÚ č. 51/1996 Sb."},
    {&TTitul::Vyhlaska_3, "Vyhlaska_3", u"Vyhláška MZ č. 127/1996 Sb."},
    {nullptr, "N5", u""},
    {&TTitul::Zakon119, "Zakon119", u"Zákon 119/2002 Sb. (Platný od 01.01.2003)"},
    {&TTitul::Priloha119, "Priloha119", u"Příloha k zákonu 119/2002 Sb."},
};

const MenuRow ServiceMenu[] = {
    {&TTitul::Centrlnsprvaotzek1, "Centrlnsprvaotzek1", u"Centrální správa otázek"},
    {nullptr, "N2", u""},
    {&TTitul::Zlohadatabz1, "Zlohadatabz1", u"Záloha databází"},
    {&TTitul::Obnovadatabz1, "Obnovadatabz1", u"Obnova databází"},
};

struct DocumentItem
{
    QAction *TTitul::*member;
    const char *file;
};

// Checked in this order at every showing.
const DocumentItem DocumentItems[] = {
    {&TTitul::Vyhlaska_1, "Prilohy/Vyhlaska1.kvf"}, {&TTitul::Vyhlaska_2, "Prilohy/Vyhlaska2.kvf"},
    {&TTitul::Vyhlaska_3, "Prilohy/Vyhlaska3.kvf"}, {&TTitul::Zakon288, "Prilohy/Zakon288.kvf"},
    {&TTitul::Zakon119, "Prilohy/Zakon119.kvf"},    {&TTitul::Priloha119, "Prilohy/Priloha119.kvf"},
};

QAction *addItem(QWidget *menu, const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

// Marks the first letter or digit of the caption that no earlier item of the
// same menu has taken as its accelerator.
QString withAutomaticAccelerator(const QString &caption, QString &taken)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar key = caption.at(i).toUpper();
        if (key.unicode() < 0x80 && key.isLetterOrNumber() && !taken.contains(key)) {
            taken.append(key);
            return caption.left(i) + u'&' + caption.mid(i);
        }
    }
    return caption;
}

enum class Accelerators { AsWritten, Automatic };

void addRows(TTitul *window, QMenu *menu, const auto &rows, Accelerators accelerators)
{
    QString taken;
    for (const MenuRow &row : rows) {
        QString caption = QString::fromUtf16(row.caption);
        if (row.member && accelerators == Accelerators::Automatic)
            caption = withAutomaticAccelerator(caption, taken);
        QAction *action = addItem(menu, QString::fromLatin1(row.name), caption);
        if (row.member)
            window->*row.member = action;
        else
            action->setSeparator(true);
    }
}

} // namespace

TrainerEnvironment TrainerEnvironment::current()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return {FileSystem::programFolder(), screen ? screen->geometry().size() : QSize(),
            QStringLiteral("/qalmoren.set")};
}

TTitul::TTitul(const TrainerEnvironment &environment, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::TTitul>())
    , m_environment(environment)
    , m_questions(Table1)
{
    Titul = this;
    ui->setupUi(this);
    using namespace Colors;
    WidgetLook::setBackground(ui->centralwidget, clWhite);
    for (QWidget *w : {ui->Label2, ui->Label3})
        WidgetLook::setTextColor(w, clBlue);
    WidgetLook::setTextColor(ui->Label8, clRed);
    WidgetLook::setTextColor(ui->jmeno_prg, clPurple);
    WidgetLook::setTextColor(ui->Label6, clPurple);
    WidgetLook::setTextColor(ui->Verze, clMaroon);
    WidgetLook::setTextColor(ui->Info_o_verzi, clMaroon);
    WidgetLook::setTextColor(ui->Label4, clSilver);
    for (QWidget *w : {ui->Label1, ui->Label7, ui->vvv})
        WidgetLook::setTextColor(w, clWhite);
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::fitAutoSizedLabels(this);
    buildVerSys();
    buildMenu();
    buildStatusBar();
    placeWindow();
    // The window takes the keys itself. Holding the focus, it also gets it
    // back when the keyboard leaves the menu bar (after Alt), so Esc reaches
    // it again.
    setFocusPolicy(Qt::StrongFocus);
    FormCreate();
}

TTitul::~TTitul()
{
    if (Titul == this)
        Titul = nullptr;
}

void TTitul::buildVerSys()
{
    VerSys = new TShadowLabel(ui->centralwidget);
    VerSys->setObjectName(QStringLiteral("VerSys"));
    VerSys->SetAlignment(taRightJustify);
    VerSys->SetTransparent(true);
    VerSys->setToolTip(QStringLiteral("Detekce OS programem"));
    // Right-justified and auto-sized, the label keeps this right edge as its
    // caption changes.
    VerSys->move(VerSysRightEdge - VerSys->width(), VerSysTop);
}

void TTitul::buildMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    Testovacotzkyatesty1 = menuBar()->addMenu(QStringLiteral("&Testovací otázky a zákony"));
    Testovacotzkyatesty1->setObjectName(QStringLiteral("Testovacotzkyatesty1"));
    addRows(this, Testovacotzkyatesty1, TestMenu, Accelerators::AsWritten);
    QMenuBar *bar = menuBar();
    Informace1 = addItem(bar, QStringLiteral("Informace1"), QStringLiteral("Formuláře a přílohy   "));
    Informace2 = addItem(bar, QStringLiteral("Informace2"), QStringLiteral("&Informace   "));
    Konec1 = addItem(bar, QStringLiteral("Konec1"), QStringLiteral("&Konec (ESC)   "));
    Konec1->setToolTip(QStringLiteral("Ukončení programu"));
    Servis_menu = bar->addMenu(QStringLiteral("Servisni menu"));
    Servis_menu->setObjectName(QStringLiteral("Servis_menu"));
    addRows(this, Servis_menu, ServiceMenu, Accelerators::Automatic);
    connect(SimulaceTestovchotzek1, &QAction::triggered, this, &TTitul::SimulaceTestovchotzek1Click);
    connect(Konec1, &QAction::triggered, this, &TTitul::Konec1Click);
    connect(Centrlnsprvaotzek1, &QAction::triggered, this, &TTitul::Centrlnsprvaotzek1Click);
    connect(Zlohadatabz1, &QAction::triggered, this, &TTitul::Zlohadatabz1Click);
    connect(Obnovadatabz1, &QAction::triggered, this, &TTitul::Obnovadatabz1Click);
    for (const LawDocument &document : lawDocuments()) {
        connect(bar->findChild<QAction *>(document.menuItem), &QAction::triggered, this,
                [this, &document] { showLawDocument(document); });
    }
    connect(Informace1, &QAction::triggered, this, &TTitul::Informace1Click);
    connect(Informace2, &QAction::triggered, this, &TTitul::Informace2Click);
    MenuGlyphs::apply(*bar);
    connect(Tiskyotzek1, &QAction::triggered, this, &TTitul::Tiskyotzek1Click);
}

void TTitul::buildStatusBar()
{
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(20);
    StatusBar1->setToolTip(QStringLiteral("Stav programu ..."));
}

void TTitul::placeWindow()
{
    setFixedSize(TrainerArt::BackgroundSize.width(),
                 menuBar()->sizeHint().height() + TrainerArt::BackgroundSize.height()
                     + StatusBar1->height());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    centreOnPrimaryScreen(*this);
}

void TTitul::setStatus(const QString &text)
{
    StatusBar1->showMessage(text);
}

void TTitul::FormCreate()
{
    VerSys->SetCaption(DetectSystemVersion());
    ProgramVersion = QStringLiteral("2002.A");
    VersionDate = QStringLiteral("27.06.2002");
    ui->Verze->setText(versionCaption(ProgramVersion));
    ui->Info_o_verzi->setText(QStringLiteral("Datum verze: ") + VersionDate);
    ProgramDir = m_environment.programFolder + u'/';
    TempDir = TempFolderPath() + u'/';
    FileVersionInfo1.SetExecutableFile(ProgramDir + QStringLiteral("Varnel"));
    WidgetLook::setLabelText(ui->vvv, FileVersionInfo1.FileVersion());
    createWorkingFolders();
    if (openSettingsKey() && createQuestionTable())
        setStatus(ReadyText);
}

void TTitul::createWorkingFolders()
{
    const QSize screen = m_environment.screenSize;
    if (screen.width() < MinimumScreen.width() || screen.height() < MinimumScreen.height()) {
        const MessageBox::Result answer = MessageBox::show(
            this,
            QStringLiteral("Rozlišení monitoru je menší než 800x600:\n"
                           "Některé údaje nemusí být proto korektně zobrazeny.\n"
                           "Chcete i přesto spustit program ?"),
            QStringLiteral("Systémové hlášení..."), MessageBox::Yes | MessageBox::No,
            MessageBox::Icon::None, MessageBox::Yes);
        m_endRequested = answer != MessageBox::Result::Yes;
    } else {
        // A folder that cannot be made is left out: the windows that use it
        // tell of it when they need it.
        const QString backup = PathResolver::resolve(ProgramDir, QStringLiteral("ZALOHA"));
        if (!FileSystem::folderExists(backup))
            (void)FileSystem::createFolder(backup);
    }
    const QString annexes = PathResolver::resolve(ProgramDir, QStringLiteral("PRILOHY"));
    if (!FileSystem::folderExists(annexes))
        (void)FileSystem::createFolder(annexes);
}

bool TTitul::openSettingsKey()
{
    const std::unique_ptr<RegistryKey> key =
        RegistryKey::open(QStringLiteral("\\Software\\Kestrin\\Varnel"), true);
    const bool stored = key
        && (key->valueExists(QStringLiteral("Version"))
            || (key->writeString(QStringLiteral("Version"), ProgramVersion)
                && key->writeString(QStringLiteral("Dat_verze"), VersionDate)));
    if (!stored)
        MessageBox::show(this, TrainerMessages::settingsKeyNotCreated(),
                         QApplication::applicationName(), MessageBox::Ok, MessageBox::Icon::Error);
    return stored;
}

bool TTitul::createQuestionTable()
{
    Table1.close();
    Table1.setTableName(PathResolver::resolve(ProgramDir, QuestionTable::FileName));
    const Result<> result = Table1.createIfMissing();
    Table1.close();
    if (!result) {
        MessageBox::show(this, result.error(), QApplication::applicationName(), MessageBox::Ok,
                         MessageBox::Icon::Error);
        return false;
    }
    return true;
}

void TTitul::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window restored from the task bar is not shown anew.
    if (!event->spontaneous())
        FormShow();
}

bool TTitul::event(QEvent *event)
{
    // The status bar tells what runs, not what the pointer is over: menu
    // highlighting leaves it alone.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void TTitul::FormShow()
{
    for (const DocumentItem &item : DocumentItems) {
        const QString path = PathResolver::resolve(ProgramDir, QString::fromLatin1(item.file));
        (this->*item.member)->setEnabled(FileSystem::fileExists(path));
    }
    Servis_menu->menuAction()->setVisible(
        FileSystem::fileExists(PathResolver::resolve(m_environment.serviceMarker)));
}

bool TTitul::FormCloseQuery()
{
    return MessageBox::show(this,
                            QStringLiteral(" Opravdu chceš ukončit tento program ? \n Potvrď volbu."),
                            QStringLiteral("Ukončování programu ..."), MessageBox::Yes | MessageBox::No,
                            MessageBox::Icon::None, MessageBox::Yes)
        == MessageBox::Result::Yes;
}

void TTitul::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TTitul::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
}

void TTitul::SimulaceTestovchotzek1Click()
{
    setStatus(QStringLiteral("Testovací otázky pro \"Vydání Osvědčení způsobilosti v oblasti zbraní "
                             "a střeliva\" ... "));
    runModalAs(Run_Test, m_questions, ProgramVersion);
    setStatus(ReadyText);
}

void TTitul::Centrlnsprvaotzek1Click()
{
    setStatus(QStringLiteral("Servisní a nastavovací okno k Databázi otázek ..."));
    runModalAs(Servisni_okno, Table1);
    setStatus(ReadyText);
}

void TTitul::Zlohadatabz1Click()
{
    setStatus(QStringLiteral("Centrální záloha databází ..."));
    runModalAs(Jina_zaloha, Table1.tableName(), ProgramDir, this);
    setStatus(ReadyText);
}

void TTitul::Obnovadatabz1Click()
{
    setStatus(QStringLiteral("Centrální obnova databází ..."));
    runModalAs(Jina_obnova, Table1, ProgramDir, this);
    setStatus(ReadyText);
}

void TTitul::showLawDocument(const LawDocument &document)
{
    DocumentTitle = document.title;
    DocumentFile = document.temporaryCopy(TempDir);
    setStatus(document.status);
    viewLawDocument(this, document.documentFile(ProgramDir), DocumentTitle, DocumentFile);
    setStatus(ReadyText);
}

void TTitul::Informace1Click()
{
    setStatus(QStringLiteral("Zobrazení nastavené přílohy"));
    runModalAs(UkazPrilohu, PathResolver::resolve(ProgramDir, QStringLiteral("Prilohy")));
    setStatus(ReadyText);
}

void TTitul::Informace2Click()
{
    setStatus(QStringLiteral("Informace o programu a kontakt na WWW"));
    runModalAs(I_o_prg, ProgramVersion, VersionDate, FileVersionInfo1);
    setStatus(ReadyText);
}

void TTitul::Tiskyotzek1Click()
{
    setStatus(QStringLiteral("Nastaveno pro tisk otázek v rámci HTML dokumentu ..."));
    if (const Result<> shown = PageRoad::showQuestionList(Table1, ui->Verze->text(), TempDir, this); !shown) {
        // The status keeps telling what was being done when it failed.
        Application::showErrorBox(this, shown.error());
        return;
    }
    setStatus(ReadyText);
}

void TTitul::Konec1Click()
{
    setStatus(QStringLiteral("Ukončovací dialog programu ..."));
    close();
    setStatus(QStringLiteral("Program připraven na vaše požadavky ..."));
}
