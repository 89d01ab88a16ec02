#pragma once

#include "trainer-components/version-info/TFileVersionInfo.h"
#include "trainer/practice-test/TableQuestionSource.h"
#include "trainer/question-table/QuestionTable.h"

#include <QMainWindow>
#include <QSize>

#include <memory>

struct LawDocument;
class QAction;
class QMenu;
class QStatusBar;
class TShadowLabel;
namespace Ui { class TTitul; }

// What the start-up looks at outside the program: where it lives, the
// screen it runs on and the service marker file.
struct TrainerEnvironment
{
    QString programFolder;
    QSize screenSize;
    QString serviceMarker;

    static TrainerEnvironment current();
};

// The main window and the trainer context the other windows read.
class TTitul : public QMainWindow
{
    Q_OBJECT

public:
    static inline const QString ReadyText =
        QStringLiteral("Program připraven na vaše požadavky ... základní okno programu");

    explicit TTitul(const TrainerEnvironment &environment = TrainerEnvironment::current(),
                    QWidget *parent = nullptr);
    ~TTitul() override;

    // The user declined to run on a small screen: the program ends.
    bool endRequested() const { return m_endRequested; }

    QuestionTable Table1;
    QString ProgramDir; // with a trailing "/"
    QString TempDir; // with a trailing "/"
    QString ProgramVersion;
    QString VersionDate;
    TFileVersionInfo FileVersionInfo1;
    QString DocumentTitle;
    QString DocumentFile;

    QStatusBar *StatusBar1 = nullptr;
    TShadowLabel *VerSys = nullptr;
    QMenu *Testovacotzkyatesty1 = nullptr;
    QMenu *Servis_menu = nullptr;
    QAction *SimulaceTestovchotzek1 = nullptr;
    QAction *Tiskyotzek1 = nullptr;
    QAction *Zakon288 = nullptr;
    QAction *Vyhlaska_1 = nullptr;
    QAction *Vyhlaska_2 = nullptr;
    QAction *Vyhlaska_3 = nullptr;
    QAction *Zakon119 = nullptr;
    QAction *Priloha119 = nullptr;
    QAction *Informace1 = nullptr;
    QAction *Informace2 = nullptr;
    QAction *Konec1 = nullptr;
    QAction *Centrlnsprvaotzek1 = nullptr;
    QAction *Zlohadatabz1 = nullptr;
    QAction *Obnovadatabz1 = nullptr;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void buildVerSys();
    void placeWindow();
    void FormCreate();
    void createWorkingFolders();
    bool openSettingsKey();
    bool createQuestionTable();
    void FormShow();
    bool FormCloseQuery();
    void SimulaceTestovchotzek1Click();
    void Centrlnsprvaotzek1Click();
    void Zlohadatabz1Click();
    void Obnovadatabz1Click();
    void Tiskyotzek1Click();
    void Konec1Click();
    void showLawDocument(const LawDocument &document);
    void Informace1Click();
    void Informace2Click();
    void setStatus(const QString &text);

    std::unique_ptr<Ui::TTitul> ui;
    TrainerEnvironment m_environment;
    TableQuestionSource m_questions;
    bool m_endRequested = false;
};

// The live main window, or null.
extern TTitul *Titul;
