#include "platform/ui/CommonDialogs.h"

#include "platform/pictures/Picture.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

CommonDialogs::Script *g_active = nullptr;

constexpr int PreviewSide = 200;

// "All (*.jpg;*.bmp)|*.jpg;*.bmp|..." as the file dialog's name filters: the
// description without its own pattern list, then the patterns, blank-separated.
QStringList nameFilters(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i);
        description.remove(trailingPatterns);
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return filters;
}

// The picture under the cursor, scaled into the preview square.
void showPreview(QLabel &preview, const QString &path)
{
    preview.clear();
    if (!QFileInfo(path).isFile())
        return;
    // A file that does not load leaves the preview empty.
    if (const Result<Picture> picture = Picture::load(path)) {
        QImage image = picture->toImage();
        if (image.width() > PreviewSide || image.height() > PreviewSide)
            image = image.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        preview.setPixmap(QPixmap::fromImage(image));
    }
}

} // namespace

bool ColorDialog::Execute(QWidget *owner)
{
    if (CommonDialogs::Script *script = CommonDialogs::Script::active()) {
        const auto answer = script->take({CommonDialogs::Request::Kind::Color, Color, {}, {}, {}});
        if (answer.kind != CommonDialogs::Script::Answer::Kind::Color)
            return false;
        Color = answer.color;
        return true;
    }
    const QColor chosen = QColorDialog::getColor(Color.toQColor(), owner);
    if (!chosen.isValid())
        return false;
    Color = TColor::fromQColor(chosen);
    return true;
}

bool OpenPictureDialog::Execute(QWidget *owner)
{
    if (CommonDialogs::Script *script = CommonDialogs::Script::active()) {
        const auto answer =
            script->take({CommonDialogs::Request::Kind::OpenPicture, {}, FileName, Title, Filter});
        if (answer.kind != CommonDialogs::Script::Answer::Kind::File)
            return false;
        FileName = answer.fileName;
        return true;
    }
    // The platform's own dialog has no room for a preview; Qt's has.
    QFileDialog dialog(owner, Title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(Filter));
    if (!FileName.isEmpty()) {
        const QFileInfo last(FileName);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }
    auto *preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("Preview"));
    preview->setFixedSize(PreviewSide, PreviewSide);
    preview->setAlignment(Qt::AlignCenter);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString &path) { showPreview(*preview, path); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}

namespace {

// Runs a document dialog, or takes the script's answer; the chosen file's
// full name, or nothing on Cancel.
std::optional<QString> runDocumentDialog(QWidget *owner, const CommonDialogs::Request &request)
{
    if (CommonDialogs::Script *script = CommonDialogs::Script::active()) {
        const auto answer = script->take(request);
        if (answer.kind != CommonDialogs::Script::Answer::Kind::File)
            return std::nullopt;
        return answer.fileName;
    }
    const bool save = request.kind == CommonDialogs::Request::Kind::Save;
    QFileDialog dialog(owner, request.title);
    dialog.setNameFilters(nameFilters(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool OpenDialog::Execute(QWidget *owner)
{
    const auto chosen =
        runDocumentDialog(owner, {CommonDialogs::Request::Kind::Open, {}, FileName, Title, Filter, {}});
    if (chosen)
        FileName = *chosen;
    return chosen.has_value();
}

bool SaveDialog::Execute(QWidget *owner)
{
    const auto chosen =
        runDocumentDialog(owner, {CommonDialogs::Request::Kind::Save, {}, FileName, Title, Filter, DefaultExt});
    if (chosen)
        FileName = *chosen;
    return chosen.has_value();
}

namespace CommonDialogs {

Script::Script() : m_previous(g_active) { g_active = this; }

Script::~Script() { g_active = m_previous; }

void Script::answerColor(TColor color) { m_answers.push({Answer::Kind::Color, color, {}}); }

void Script::answerFile(const QString &fileName) { m_answers.push({Answer::Kind::File, {}, fileName}); }

void Script::answerCancel() { m_answers.push({}); }

Script *Script::active() { return g_active; }

Script::Answer Script::take(const Request &request)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return {};
    Answer answer = m_answers.front();
    m_answers.pop();
    return answer;
}

} // namespace CommonDialogs
