#include "trainer/documents/LawDocuments.h"

#include "platform/files/FileSystem.h"
#include "platform/files/PathResolver.h"
#include "platform/files/SafeFile.h"
#include "platform/ui/MessageBox.h"
#include "trainer/documents/LawViewer.h"
#include "trainer/messages/TrainerMessages.h"

#include <QDir>

QString LawDocument::documentFile(const QString &programFolder) const
{
    return PathResolver::resolve(programFolder, QStringLiteral("Prilohy/") + baseName + QStringLiteral(".kvf"));
}

QString LawDocument::temporaryCopy(const QString &temporaryFolder) const
{
    return QDir(temporaryFolder).filePath(baseName + QStringLiteral(".pdf"));
}

const std::vector<LawDocument> &lawDocuments()
{
    static const std::vector<LawDocument> documents = {
        {QStringLiteral("Zakon288"), QStringLiteral("Zakon288"), QStringLiteral("Zákon 288/1995 Sb. - Zrušen!"),
         QStringLiteral("Zákon 288/1995 Sb.")},
        {QStringLiteral("Vyhlaska_1"), QStringLiteral("Vyhlaska1"), QStringLiteral("Vyhláška MV číslo 50/1996 Sb."),
         QStringLiteral("Vyhláška MV číslo 50/1996 Sb.")},
        {QStringLiteral("Vyhlaska_2"), QStringLiteral("Vyhlaska2"), QStringLiteral("Vyhláška ČBÚ č. 51/1996 Sb."),
         QStringLiteral("Vyhláška ČBÚ č. 51/1996 Sb.")},
        {QStringLiteral("Vyhlaska_3"), QStringLiteral("Vyhlaska3"), QStringLiteral("Vyhláška MZ č. 127/1996 Sb."),
         QStringLiteral("Vyhláška MZ č. 127/1996 Sb.")},
        {QStringLiteral("Zakon119"), QStringLiteral("Zakon119"), QStringLiteral("Zákon 119/2002 Sb."),
         QStringLiteral("Zákon 119/2002 Sb.")},
        {QStringLiteral("Priloha119"), QStringLiteral("Priloha119"), QStringLiteral("Příloha k zákonu 119/2002 Sb."),
         QStringLiteral("Příloha k zákonu 119/2002 Sb.")},
    };
    return documents;
}

namespace LawViewerLoader {

Result<LawViewer *> viewer()
{
    static ProgramModule::Loaded<LawViewer> module(QStringLiteral("varnel-law-viewer"),
                                                   TrainerMessages::lawViewerNotLoaded());
    return module.get();
}

} // namespace LawViewerLoader

void viewLawDocument(QWidget *owner, const QString &documentFile, const QString &title,
                     const QString &temporaryCopy)
{
    const Result<LawViewer *> viewer = LawViewerLoader::viewer();
    if (!viewer) {
        MessageBox::show(owner, viewer.error(), QStringLiteral("Chyba:"));
        return;
    }
    // The document may have gone since start-up, or the temporary folder:
    // the failure says which, and why. The copy's name is fixed and the
    // temporary folder may be shared: a link planted under it is replaced,
    // never written through.
    const Result<QByteArray> document = FileSystem::readWholeFile(documentFile);
    const Result<> copied = document ? SafeFile::replaceName(temporaryCopy, *document) : Result<>(Failure{document.error()});
    if (!copied) {
        MessageBox::show(owner, TrainerMessages::documentNotShown() + u'\n' + copied.error(), QStringLiteral("Chyba:"));
        return;
    }
    (*viewer)->show(title, temporaryCopy);
    // A copy that cannot be deleted stays for the next opening to replace.
    (void)FileSystem::deleteFile(temporaryCopy);
}
