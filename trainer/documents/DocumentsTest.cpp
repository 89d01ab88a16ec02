#include "platform/files/FileSystem.h"
#include "platform/files/TestFiles.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/printing/PdfReadBack.h"
#include "platform/printing/Printing.h"
#include "platform/printing/TestQueue.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/pdf-viewer/TPdf.h"
#include "trainer/documents/FormAnnexes.h"
#include "trainer/documents/LawViewerWindow.h"
#include "trainer/documents/TUkazPriloha3.h"
#include "trainer/documents/TUkazPrilohu.h"
#include "trainer/documents/TUkaz_Vyhlasku.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/test-support/ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPdfDocument>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolBar>
#include <QTreeWidget>

namespace {

void writePdf(const QString &path, int pages)
{
    TestFiles::put(path, PdfReadBack::numberedDocument(pages));
}

void writeScan(const QString &path, QColor colour)
{
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(colour);
    TestFiles::put(path, JpegCodec::encode(image));
}

int pdfPages(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished())
        return -1;
    for (const QByteArray &line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QStringList topLevelTexts(const QTreeWidget &tree)
{
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts << tree.topLevelItem(i)->text(0);
    return texts;
}

QTreeWidgetItem *node(const QTreeWidget &tree, const QString &text)
{
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

// Whether every line of the memo that leaves room beside it stands in the
// middle of its line; false when no line leaves room to tell.
bool linesCentred(QPlainTextEdit &memo)
{
    memo.grab(); // lays the text out
    bool told = false;
    for (QTextBlock block = memo.document()->firstBlock(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; layout && i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const qreal room = line.width() - line.naturalTextWidth();
            if (room < 10)
                continue;
            told = true;
            if (qAbs(line.naturalTextRect().left() - line.x() - room / 2) > 1)
                return false;
        }
    }
    return told;
}

} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;
    std::unique_ptr<QTemporaryDir> folder;
    QString temp;
    std::unique_ptr<TestQueue> queue;

    QString annexes() const { return folder->filePath(QStringLiteral("Prilohy")); }

    TrainerEnvironment environment() const
    {
        return {folder->path(), {1024, 768}, folder->filePath(QStringLiteral("qalmoren.set"))};
    }

private slots:
    void initTestCase()
    {
        // Made before any printer object, so that every one finds its queue.
        queue = std::make_unique<TestQueue>();
    }

    void init()
    {
        config = std::make_unique<QTemporaryDir>();
        folder = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", config->path().toLocal8Bit());
        temp = config->filePath(QStringLiteral("tmp"));
        QVERIFY(QDir().mkpath(temp));
        qputenv("TMPDIR", temp.toLocal8Bit());
        QVERIFY(QDir().mkpath(annexes()));
    }

    void viewerShowsATemporaryCopy_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("status");
        QTest::newRow("law 288") << "Zakon288" << "Zakon288" << "Zákon 288/1995 Sb. - Zrušen!" << "Zákon 288/1995 Sb.";
        QTest::newRow("decree 50") << "Vyhlaska_1" << "Vyhlaska1" << "Vyhláška MV číslo 50/1996 Sb."
                                   << "Vyhláška MV číslo 50/1996 Sb.";
        QTest::newRow("decree 51") << "Vyhlaska_2" << "Vyhlaska2" << "Vyhláška ČBÚ č. 51/1996 Sb."
                                   << "Vyhláška ČBÚ č. 51/1996 Sb.";
        QTest::newRow("decree 127") << "Vyhlaska_3" << "Vyhlaska3" << "Vyhláška MZ č. 127/1996 Sb."
                                    << "Vyhláška MZ č. 127/1996 Sb.";
        QTest::newRow("law 119") << "Zakon119" << "Zakon119" << "Zákon 119/2002 Sb." << "Zákon 119/2002 Sb.";
        QTest::newRow("annex 119") << "Priloha119" << "Priloha119" << "Příloha k zákonu 119/2002 Sb."
                                   << "Příloha k zákonu 119/2002 Sb.";
    }

    // The copy exists while the viewer shows it, replaces an older copy, and
    // is gone afterwards; the toolbar starts hidden at every opening.
    void viewerShowsATemporaryCopy()
    {
        QFETCH(QString, item);
        QFETCH(QString, file);
        QFETCH(QString, title);
        QFETCH(QString, status);
        writePdf(QDir(annexes()).filePath(file + QStringLiteral(".kvf")), 3);
        const QString copy = QDir(temp).filePath(file + QStringLiteral(".pdf"));
        TestFiles::put(copy, "left over from an earlier run");
        LawViewerWindow viewerModule;
        const LawViewerLoader::Override stand(viewerModule);
        TTitul window(environment());
        window.show();
        for (int opening = 0; opening < 2; ++opening) {
            QString statusWhileOpen;
            bool copyWhileOpen = false;
            whenShown<TUkaz_Vyhlasku>(Ukaz_Vyhlasku, [&](TUkaz_Vyhlasku *viewer) {
                statusWhileOpen = window.StatusBar1->currentMessage();
                copyWhileOpen = FileSystem::fileExists(copy);
                QCOMPARE(viewer->Jmeno->text(), title);
                QCOMPARE(viewer->Pdf1->document()->pageCount(), 3);
                QCOMPARE(viewer->Pdf1->currentPage(), 0);
                QVERIFY(viewer->windowState() & Qt::WindowMaximized);
                QVERIFY(!viewer->CheckBox1->isChecked());
                QVERIFY(!viewer->Pdf1->toolbar()->isVisible());
                viewer->CheckBox1->click();
                QVERIFY(viewer->Pdf1->toolbar()->isVisible());
                if (opening == 1) {
                    viewer->CheckBox1->click();
                    QVERIFY(!viewer->Pdf1->toolbar()->isVisible());
                }
                viewer->BitBtn1->click();
            });
            window.findChild<QAction *>(item)->trigger();
            QCOMPARE(statusWhileOpen, status);
            QVERIFY(copyWhileOpen);
            QVERIFY(!FileSystem::fileExists(copy));
            QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
            QCOMPARE(window.DocumentTitle, title);
            QCOMPARE(window.DocumentFile, copy);
        }
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        window.close();
    }

    // The item stays enabled from start-up; the file has gone since.
    void documentGoneSinceStartUpIsNamed()
    {
        const QString document = QDir(annexes()).filePath(QStringLiteral("Zakon119.kvf"));
        writePdf(document, 1);
        TTitul window(environment());
        window.show();
        QVERIFY(window.Zakon119->isEnabled());
        QVERIFY(QFile::remove(document));
        LawViewerWindow viewerModule;
        const LawViewerLoader::Override stand(viewerModule);
        MessageBox::Script script;
        window.Zakon119->trigger();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Chyba:"));
        QVERIFY(script.requests().front().text.contains(document));
        QVERIFY(Ukaz_Vyhlasku == nullptr);
        QVERIFY(!FileSystem::fileExists(QDir(temp).filePath(QStringLiteral("Zakon119.pdf"))));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        script.answer(MessageBox::Result::Yes);
        window.close();
    }

    // The temporary folder that TMPDIR names is missing: the copy fails
    // there and is not made anywhere else ("/" for one).
    void missingTemporaryFolderTakesNoCopyElsewhere()
    {
        writePdf(QDir(annexes()).filePath(QStringLiteral("Zakon119.kvf")), 1);
        const QString missing = QDir(temp).filePath(QStringLiteral("missing"));
        qputenv("TMPDIR", missing.toLocal8Bit());
        TTitul window(environment());
        qputenv("TMPDIR", temp.toLocal8Bit());
        window.show();
        QCOMPARE(window.TempDir, missing + u'/');
        LawViewerWindow viewerModule;
        const LawViewerLoader::Override stand(viewerModule);
        MessageBox::Script script;
        window.Zakon119->trigger();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY2(script.requests().front().text.contains(missing + QStringLiteral("/Zakon119.pdf")),
                 qPrintable(script.requests().front().text));
        QVERIFY(Ukaz_Vyhlasku == nullptr);
        QVERIFY(!FileSystem::fileExists(QStringLiteral("/Zakon119.pdf")));
        QVERIFY(!FileSystem::folderExists(missing));
        script.answer(MessageBox::Result::Yes);
        window.close();
    }

    // The toolbar offers only the moves that lead somewhere, and Home and
    // End go to the first and the last page.
    void toolbarFollowsThePage_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("move"); // a toolbar action or a key
        QTest::addColumn<int>("page");
        QTest::newRow("first page") << 3 << QString() << 0;
        QTest::newRow("next") << 3 << "NextPage" << 1;
        QTest::newRow("last") << 3 << "LastPage" << 2;
        QTest::newRow("End") << 3 << "End" << 2;
        QTest::newRow("End, then Home") << 3 << "End Home" << 0;
        QTest::newRow("last, then previous") << 3 << "LastPage PreviousPage" << 1;
        QTest::newRow("one page") << 1 << "End" << 0;
    }
    void toolbarFollowsThePage()
    {
        QFETCH(int, pages);
        QFETCH(QString, move);
        QFETCH(int, page);
        const QString document = QDir(temp).filePath(QStringLiteral("Zakon119.pdf"));
        writePdf(document, pages);
        TUkaz_Vyhlasku viewer(QStringLiteral("Zákon"), document);
        viewer.show();
        viewer.CheckBox1->click();
        TPdf &pdf = *viewer.Pdf1;
        const auto action = [&pdf](const char *name) { return pdf.toolbar()->findChild<QAction *>(QString::fromLatin1(name)); };
        for (const QString &step : move.split(u' ', Qt::SkipEmptyParts)) {
            if (QAction *toolbarAction = action(qPrintable(step)))
                toolbarAction->trigger();
            else
                QTest::keyClick(pdf.focusProxy(), step == QStringLiteral("Home") ? Qt::Key_Home : Qt::Key_End);
        }
        QCOMPARE(pdf.currentPage(), page);
        QCOMPARE(action("FirstPage")->isEnabled(), page > 0);
        QCOMPARE(action("PreviousPage")->isEnabled(), page > 0);
        QCOMPARE(action("NextPage")->isEnabled(), page < pages - 1);
        QCOMPARE(action("LastPage")->isEnabled(), page < pages - 1);
    }

    // No viewer module lies beside this test: the box says so, and no copy
    // is left behind.
    void viewerModuleMissingIsNamed()
    {
        writePdf(QDir(annexes()).filePath(QStringLiteral("Zakon119.kvf")), 1);
        TTitul window(environment());
        window.show();
        MessageBox::Script script;
        window.Zakon119->trigger();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Chyba:"));
        QVERIFY(script.requests().front().text.startsWith(QStringLiteral("Prohlížeč dokumentů nelze načíst: ")));
        QVERIFY(script.requests().front().text.contains(QStringLiteral("varnel-law-viewer")));
        QVERIFY(!FileSystem::fileExists(QDir(temp).filePath(QStringLiteral("Zakon119.pdf"))));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        script.answer(MessageBox::Result::Yes);
        window.close();
    }

    // The document goes to the printer as itself, without a dialog: its own
    // bytes, its own pages with their own text.
    void printingSendsTheDocumentAsItIs()
    {
        const QString document = QDir(temp).filePath(QStringLiteral("Zakon288.pdf"));
        writePdf(document, 3);
        const QString printed = QDir(temp).filePath(QStringLiteral("printed.pdf"));
        const Printing::PdfRedirect redirect(printed);
        MessageBox::Script script;
        TUkaz_Vyhlasku viewer(QStringLiteral("Zákon"), document);
        viewer.show();
        viewer.BitBtn2->click();
        QCOMPARE(script.requests().size(), std::size_t(0));
        QCOMPARE(TestFiles::contentOf(printed), TestFiles::contentOf(document));
        QCOMPARE(pdfPages(printed), 3);
        for (int page = 1; page <= 3; ++page)
            QCOMPARE(PdfReadBack::text(printed, page).trimmed(), QStringLiteral("Strana %1").arg(page));
    }

    // Through a real queue the job carries the document's shown name, never a
    // file's.
    void printedDocumentReachesTheQueueUnderItsName()
    {
        if (!queue->ready())
            QSKIP("No CUPS scheduler to run here (cups-daemon)");
        const QString document = QDir(temp).filePath(QStringLiteral("Zakon119.pdf"));
        writePdf(document, 2);
        MessageBox::Script script;
        TUkaz_Vyhlasku viewer(QStringLiteral("Zákon 119/2002 Sb."), document);
        viewer.show();
        viewer.BitBtn2->click();
        QCOMPARE(script.requests().size(), std::size_t(0));
        const auto job = queue->job(1);
        QVERIFY(job);
        QCOMPARE(job->bytes, TestFiles::contentOf(document));
        QCOMPARE(job->title, QStringLiteral("Zákon 119/2002 Sb."));
        QCOMPARE(job->documentName, QStringLiteral("Zákon 119/2002 Sb."));
    }

    void documentGoneBeforePrintingIsReported()
    {
        const QString document = QDir(temp).filePath(QStringLiteral("Vyhlaska2.pdf"));
        writePdf(document, 1);
        const QString printed = QDir(temp).filePath(QStringLiteral("printed.pdf"));
        const Printing::PdfRedirect redirect(printed);
        MessageBox::Script script;
        TUkaz_Vyhlasku viewer(QStringLiteral("Vyhláška"), document);
        viewer.show();
        QVERIFY(QFile::remove(document));
        viewer.BitBtn2->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Chyba:"));
        QVERIFY(script.requests().front().text.startsWith(QStringLiteral("Dokument nelze vytisknout.\n")));
        QVERIFY(!QFile::exists(printed));
    }

    void treeCaptionsAndNotes_data()
    {
        QTest::addColumn<QString>("text");
        for (const FormAnnex &annex : formAnnexes())
            QTest::newRow(qPrintable(annex.scan)) << annex.text;
    }

    void treeCaptionsAndNotes()
    {
        QFETCH(QString, text);
        const FormAnnex *annex = findFormAnnex(text);
        QVERIFY(annex);
        if (annex->opensExamRules)
            QSKIP("the exam-rules node has a test of its own");
        writeScan(QDir(annexes()).filePath(annex->scan), Qt::green);
        // The node before it leaves a second note that must not stay.
        const FormAnnex &previous = formAnnexes()[annex == &formAnnexes()[2] ? 3 : 2];
        writeScan(QDir(annexes()).filePath(previous.scan), Qt::blue);
        TUkazPrilohu viewer(annexes());
        viewer.show();
        viewer.TreeView1->setCurrentItem(node(*viewer.TreeView1, previous.text));
        viewer.TreeView1->setCurrentItem(node(*viewer.TreeView1, text));
        QCOMPARE(viewer.windowTitle(), annex->caption);
        QCOMPARE(viewer.Memo1->toPlainText(), annex->firstNote);
        QCOMPARE(viewer.Memo2->toPlainText(), annex->secondNote);
        QVERIFY(linesCentred(*viewer.Memo1));
        if (!annex->secondNote.isEmpty())
            QVERIFY(linesCentred(*viewer.Memo2));
        QCOMPARE(viewer.Image1->pixmap().toImage().pixelColor(20, 30).green() > 200, true);
    }

    void treeHoldsTheFormsSortedAndExpanded()
    {
        TUkazPrilohu viewer(annexes());
        viewer.show();
        // Taking the focus chooses no node.
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QVERIFY(!viewer.TreeView1->currentItem());
        // An empty title would have the window system show the program's
        // name in its place.
        QVERIFY(viewer.windowTitle().trimmed().isEmpty());
        QVERIFY(!viewer.windowTitle().isEmpty());
        QVERIFY(viewer.windowTitle() != QApplication::applicationName());
        QCOMPARE(viewer.Memo1->toPlainText(), QStringLiteral("Poznámka, informace k formuláři:"));
        QVERIFY(linesCentred(*viewer.Memo1));
        QCOMPARE(viewer.Memo2->toPlainText(), QString());
        const QStringList expected = {
            u"Čestné prohlášení"_qs,
            u"Osvědčení odborné způsobilosti"_qs,
            u"Oznámení vlastnictví ke zbrani"_qs,
            u"Průkaz zbraně"_qs,
            u"Průkaz zkušebního komisaře"_qs,
            u"Přihláška ke zkoušce odborné způsobilosti"_qs,
            u"Záznam o provedení zkoušky"_qs,
            u"Zbrojní oprávnění"_qs,
            u"Zbrojní průkaz"_qs,
            u"Zbrojní průvodní list - díl \"A\""_qs,
            u"Zbrojní průvodní list - díl \"B\""_qs,
            u"Zkušební řád"_qs,
            u"Žádost o prodloužení platnosti zbrojního průkazu"_qs,
            u"Žádost o registraci zbraně"_qs,
            u"Žádost o vydání zbrojního oprávnění"_qs,
            u"Žádost o vydání zbrojního průkazu"_qs,
            u"Žádost o vydání zbrojního průvodního listu"_qs,
            u"Žádost o znehodnocení zbraně"_qs,
        };
        QCOMPARE(topLevelTexts(*viewer.TreeView1), expected);
        int children = 0;
        for (int i = 0; i < viewer.TreeView1->topLevelItemCount(); ++i) {
            QTreeWidgetItem *top = viewer.TreeView1->topLevelItem(i);
            children += top->childCount();
            if (top->childCount() > 0)
                QVERIFY(top->isExpanded());
        }
        QCOMPARE(children, 4);
        QCOMPARE(node(*viewer.TreeView1, u"Zadní stana dokumentu (zzz)"_qs)->parent()->text(0),
                 u"Žádost o znehodnocení zbraně"_qs);
    }

    // Every node text shows whole, the longest ones with a scroll bar.
    void longNodeTextsShowWhole()
    {
        TUkazPrilohu viewer(annexes());
        viewer.show();
        QTreeWidget &tree = *viewer.TreeView1;
        int widest = 0;
        for (const FormAnnex &annex : formAnnexes()) {
            QTreeWidgetItem *item = node(tree, annex.text);
            const int textWidth = tree.fontMetrics().horizontalAdvance(annex.text);
            widest = std::max(widest, textWidth);
            QVERIFY2(tree.visualItemRect(item).width() > textWidth + tree.iconSize().width(),
                     qPrintable(annex.text));
        }
        QVERIFY(widest > tree.viewport()->width());
        QVERIFY(tree.horizontalScrollBar()->isVisible());
        QVERIFY(tree.horizontalScrollBar()->maximum() > 0);
    }

    // The caption changes; picture and notes keep what they showed.
    void missingScanKeepsPictureAndNotes()
    {
        const FormAnnex &shown = formAnnexes()[3];
        writeScan(QDir(annexes()).filePath(shown.scan), Qt::green);
        TUkazPrilohu viewer(annexes());
        viewer.show();
        viewer.TreeView1->setCurrentItem(node(*viewer.TreeView1, shown.text));
        MessageBox::Script script;
        const FormAnnex &missing = formAnnexes()[4];
        viewer.TreeView1->setCurrentItem(node(*viewer.TreeView1, missing.text));
        QCOMPARE(script.requests().size(), std::size_t(1));
        QVERIFY(script.requests().front().text.contains(missing.scan));
        QCOMPARE(viewer.windowTitle(), missing.caption);
        QCOMPARE(viewer.Memo1->toPlainText(), shown.firstNote);
        QCOMPARE(viewer.Memo2->toPlainText(), shown.secondNote);
        QVERIFY(!viewer.Image1->pixmap().isNull());
    }

    // The rules open over a hidden viewer, which is shown again afterwards
    // and runs on until it is closed.
    void examRulesOpenTheirWindow()
    {
        writeScan(QDir(annexes()).filePath(QStringLiteral("nofile.jpg")), Qt::white);
        TTitul window(environment());
        window.show();
        bool viewerHidden = false;
        QStringList rules;
        QString captionAfterRules;
        QString statusWhileOpen;
        whenShown<TUkazPrilohu>(UkazPrilohu, [&](TUkazPrilohu *viewer) {
            statusWhileOpen = window.StatusBar1->currentMessage();
            whenShown<TUkazPriloha3>(UkazPriloha3, [&](TUkazPriloha3 *rulesWindow) {
                viewerHidden = !viewer->isVisible();
                rules = rulesWindow->Memo1->toPlainText().split(u'\n');
                QCOMPARE(rulesWindow->windowTitle(), QStringLiteral("Zkušební řád vyhláška 50 / 1996 Sb."));
                rulesWindow->close();
            });
            whenShown<TUkazPrilohu>(UkazPrilohu, [&](TUkazPrilohu *shownAgain) {
                captionAfterRules = shownAgain->windowTitle();
                shownAgain->BitBtn1->click();
            });
            viewer->TreeView1->setCurrentItem(node(*viewer->TreeView1, u"Zkušební řád"_qs));
        });
        window.Informace1->trigger();
        QCOMPARE(statusWhileOpen, QStringLiteral("Zobrazení nastavené přílohy"));
        QVERIFY(viewerHidden);
        QCOMPARE(captionAfterRules, QStringLiteral("Zkušební řád - text, dle Vyhlášky 50/1996 Sb."));
        QCOMPARE(rules.size(), 62);
        QCOMPARE(rules[1], QStringLiteral("    Zkušební řád zkoušky odborné způsobilosti žadatele o vydání zbrojního průkazu:"));
        QCOMPARE(rules[3], QStringLiteral("    Článek první - Teoretická část zkoušky:"));
        QVERIFY(rules[4].startsWith(QStringLiteral("l. ")));
        QCOMPARE(rules[27], QStringLiteral("    Článek druhý - Praktická část zkoušky: Praktická část se provádí na "
                                           "určené střelnici."));
        QCOMPARE(window.StatusBar1->currentMessage(), TTitul::ReadyText);
        QVERIFY(UkazPrilohu == nullptr);
        MessageBox::Script script;
        script.answer(MessageBox::Result::Yes);
        window.close();
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
