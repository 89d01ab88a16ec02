#include "platform/ui/FileDialog.h"

#include <QFileDialog>
#include <QStringList>

namespace FileDialog {

namespace {

Script *g_active = nullptr;

} // namespace

QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        entries.append(QStringLiteral("%1 (%2)").arg(parts.at(i), patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> run(QWidget *owner, const Request &request)
{
    if (Script *script = Script::active())
        return script->take(request);
    QFileDialog dialog(owner, request.title);
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setAcceptMode(request.mode == Mode::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a typed name of a missing file too; opening it
    // then fails with the reader's own error.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

Script::Script() : m_previous(g_active) { g_active = this; }

Script::~Script() { g_active = m_previous; }

Script *Script::active() { return g_active; }

std::optional<QString> Script::take(const Request &request)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return std::nullopt;
    const Answer answer = m_answers.front();
    m_answers.pop();
    if (!answer.chosen)
        return std::nullopt;
    return answer.fileName;
}

} // namespace FileDialog
