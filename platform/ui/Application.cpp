#include "platform/ui/Application.h"

#include "platform/paint/Canvas.h"
#include "platform/ui/MessageBox.h"

#include <QFont>
#include <QLibraryInfo>
#include <QWidget>

namespace {

// Faces the programs ask for that have no metric twin here. "Arial",
// "Arial Narrow" and "Times New Roman" need nothing: fontconfig's aliases from
// the Liberation fonts already answer them.
void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"));
}

// A substitution can only name a family; the weight that makes Liberation Sans
// stand in for Arial Black is put on each widget's own font as it is polished
// or changed. Widgets inheriting their font inherit the adjusted one.
void applySubstitutedWeight(QObject *receiver, const QEvent *event)
{
    if (event->type() != QEvent::Polish && event->type() != QEvent::FontChange)
        return;
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || !widget->testAttribute(Qt::WA_SetFont))
        return;
    const QFont adjusted = Canvas::withSubstitutedWeight(widget->font());
    if (adjusted != widget->font())
        widget->setFont(adjusted);
}

} // namespace

Application::Application(int &argc, char **argv, const QString &title) : QApplication(argc, argv)
{
    setApplicationName(title);
    installFontSubstitutions();
    // The users are Czech: the toolkit's own dialogs (files, colours,
    // printer) speak Czech too, whatever the system's locale.
    if (m_toolkitTexts.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_toolkitTexts);
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    applySubstitutedWeight(receiver, event);
    return QApplication::notify(receiver, event);
}

void Application::showErrorBox(QWidget *owner, const QString &text)
{
    MessageBox::show(owner, text, applicationName(), MessageBox::Ok, MessageBox::Icon::Error);
}

bool Application::showErrorBox(QWidget *owner, const Result<> &outcome)
{
    if (!outcome)
        showErrorBox(owner, outcome.error());
    return outcome.ok();
}
