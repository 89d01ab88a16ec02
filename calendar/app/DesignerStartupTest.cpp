#include "calendar/app/DesignerStartup.h"

#include "calendar/language/LanguageLines.h"
#include "calendar/language/TForm6.h"
#include "calendar/main-window/ProgramFolder.h"
#include "platform/text/TextLineFile.h"
#include "calendar/main-window/TAboutBox.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar-controls/big-month/TBigKal.h"
#include "calendar/print-window/TForm7.h"
#include "platform/files/Drives.h"
#include "platform/ui/MessageBox.h"

#include "ui_TAboutBox.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class DesignerStartupTest : public QObject
{
    Q_OBJECT

private slots:
    void programFileInADriveRootIsRefused();
    void programFileOneLevelBelowARootIsAccepted();
    void refusalIsShownOnceAndClosesTheWindow();
    void normalStartKeepsTheProgramFolder();
    void windowsLiveAsLongAsTheStartup();
    void aboutBoxShowsNameAndVersion();
    void aboutBoxClosesByOkAndEsc_data();
    void aboutBoxClosesByOkAndEsc();
    void settingsQuestionShowsItsPicture();
    void settingsQuestionClosesByItsButtons_data();
    void settingsQuestionClosesByItsButtons();
};

void DesignerStartupTest::programFileInADriveRootIsRefused()
{
    const QList<Drives::Drive> drives = Drives::list();
    for (const Drives::Drive &drive : drives) {
        DirectoryList list;
        DesignState state;
        SetProgramFolder(list, QDir(drive.root).filePath(QStringLiteral("Vuvuzodi")), drives, state);
        QVERIFY2(state.RootDirError, qPrintable(drive.root));
        QVERIFY(state.NoSaveQuery);
        QCOMPARE(list.Drive, drive.root);
        QCOMPARE(QDir::cleanPath(list.Directory), QDir::cleanPath(drive.root));
    }
}

void DesignerStartupTest::programFileOneLevelBelowARootIsAccepted()
{
    const QString folderName = QStringLiteral("vuvuzodi-program-folder");
    const QList<Drives::Drive> drives = Drives::list();
    for (const Drives::Drive &drive : drives) {
        const QString folder = QDir(drive.root).filePath(folderName);
        if (Drives::isDriveRoot(folder))
            continue;
        DirectoryList list;
        DesignState state;
        SetProgramFolder(list, QDir(folder).filePath(QStringLiteral("Vuvuzodi")), drives, state);
        QVERIFY2(!state.RootDirError, qPrintable(folder));
        QVERIFY(!state.NoSaveQuery);
        QCOMPARE(list.Directory, folder);
        QCOMPARE(list.Drive, drive.root);
    }
}

void DesignerStartupTest::refusalIsShownOnceAndClosesTheWindow()
{
    MessageBox::Script script;
    DesignerStartup startup(QStringLiteral("/Vuvuzodi"));
    TForm1 &window = startup.mainWindow();
    QVERIFY(window.RootDirError);
    QVERIFY(window.NoSaveQuery);
    // The print window's start-up step was skipped.
    for (bool remembered : Form7->RememberedPages)
        QVERIFY(!remembered);

    window.show();
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(script.requests().size(), std::size_t(1));
    const MessageBox::Request &request = script.requests().front();
    QCOMPARE(request.text, QStringLiteral("Program nelze spustit z kořenového adresáře!"));
    QCOMPARE(request.caption, QStringLiteral("Error"));
    QCOMPARE(request.icon, MessageBox::Icon::Error);
    QCOMPARE(request.buttons, MessageBox::Buttons(MessageBox::Ok));

    window.show();
    window.activateWindow();
    QTest::qWait(20);
    QCOMPARE(script.requests().size(), std::size_t(1));
}

void DesignerStartupTest::normalStartKeepsTheProgramFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("language")));
    QVERIFY(TextLineFile::write(QDir(dir.path()).filePath(QStringLiteral("language/Česky.cln")),
                                LanguageLines::builtInCzech()));
    QVERIFY(TextLineFile::write(QDir(dir.path()).filePath(QStringLiteral("Data.dat")), {LanguageLines::CzechFileName}));
    MessageBox::Script script;
    DesignerStartup startup(QDir(dir.path()).filePath(QStringLiteral("Vuvuzodi")));
    TForm1 &window = startup.mainWindow();
    QVERIFY(!window.RootDirError);
    QVERIFY(!window.NoSaveQuery);
    QCOMPARE(Form2->DirectoryListBox1.Directory, dir.path());
    // The language folder is found whatever its letter case.
    QCOMPARE(Form2->FileListBox1.Directory, QDir(dir.path()).filePath(QStringLiteral("language")));
    QCOMPARE(Form2->FileListBox1.Mask, QStringLiteral("*.cln"));
    QCOMPARE(Form2->CleanNormalMemo.size(), 9);
    QCOMPARE(Form2->CleanProjectMemo.size(), 78);
    QCOMPARE(Form2->Calendar1, QDate::currentDate());
    QVERIFY(!Form2->DriveComboBox1.isEmpty());
    for (bool remembered : Form7->RememberedPages)
        QVERIFY(remembered);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.isVisible());
    QVERIFY(script.requests().empty());
    QCOMPARE(window.BigKal(13)->Memo(), &Form2->CaptionMemo);
    QVERIFY(!window.Modified);
}

void DesignerStartupTest::windowsLiveAsLongAsTheStartup()
{
    {
        // Without a settings file, declined: the windows exist all the same.
        MessageBox::Script script;
        script.answer(MessageBox::Result::No);
        DesignerStartup startup(QStringLiteral("/opt/vuvuzodi/Vuvuzodi"));
        QVERIFY(startup.ended());
        QCOMPARE(Form1, &startup.mainWindow());
        QVERIFY(AboutBox);
        QCOMPARE(AboutBox->windowTitle(), QStringLiteral("O programu Zoziruzo"));
        QCOMPARE(AboutBox->size(), QSize(298, 213));
        QVERIFY(Form2);
        QVERIFY(Form7);
        QCOMPARE(&Form7->form1(), Form1);
    }
    QVERIFY(!Form1);
    QVERIFY(!AboutBox);
    QVERIFY(!Form2);
    QVERIFY(!Form7);
}

void DesignerStartupTest::aboutBoxShowsNameAndVersion()
{
    TAboutBox box;
    const Ui::TAboutBox &ui = *box.ui;
    QCOMPARE(ui.ProductName->text(), QStringLiteral("Zoziruzo"));
    QCOMPARE(ui.ProductName->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(ui.ProductName->font().bold());
    QCOMPARE(ui.Version->text(), QStringLiteral("1.0"));
    QCOMPARE(ui.Version->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    QVERIFY(ui.Version->font().bold());
    QCOMPARE(ui.ProgramIcon->size(), QSize(65, 57));
    QVERIFY(ui.ProgramIcon->hasScaledContents());
    QCOMPARE(ui.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(ui.OKButton->isDefault());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(box.geometry().center(), screen.center());
}

void DesignerStartupTest::aboutBoxClosesByOkAndEsc_data()
{
    QTest::addColumn<bool>("byEsc");
    QTest::newRow("OK") << false;
    QTest::newRow("Esc") << true;
}

void DesignerStartupTest::aboutBoxClosesByOkAndEsc()
{
    QFETCH(bool, byEsc);
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // The picture is looked up when the box is first shown.
    QCOMPARE(box.ui->ProgramIcon->pixmap().toImage(),
             box.style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(65, 57).toImage());
    if (byEsc)
        QTest::keyClick(box.ui->OKButton, Qt::Key_Escape);
    else
        box.ui->OKButton->click();
    QVERIFY(!box.isVisible());
    if (!byEsc)
        QCOMPARE(box.result(), int(QDialog::Accepted));
}

void DesignerStartupTest::settingsQuestionShowsItsPicture()
{
    TForm6 question;
    question.show();
    QVERIFY(QTest::qWaitForWindowExposed(&question));
    QCOMPARE(question.Image1->pixmap().toImage(),
             question.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32).toImage());
}

void DesignerStartupTest::settingsQuestionClosesByItsButtons_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ne") << "Ne";
    QTest::newRow("Esc") << "Esc";
}

// Driven as a user drives it: the window opens with the focus on "Ano" and
// closes by "Ne" or Esc, writing nothing.
void DesignerStartupTest::settingsQuestionClosesByItsButtons()
{
    QFETCH(QString, how);
    TForm6 question;
    bool open = false;
    QWidget *focus = nullptr;
    QTimer::singleShot(0, &question, [&] {
        open = question.isVisible();
        focus = question.focusWidget();
        if (how == "Ne")
            question.Button2->click();
        else
            QTest::keyClick(&question, Qt::Key_Escape);
    });
    question.ShowModal();
    QVERIFY(open);
    QCOMPARE(focus, question.Button1);
    QVERIFY(!question.isVisible());
}

QTEST_MAIN(DesignerStartupTest)
#include "DesignerStartupTest.moc"
