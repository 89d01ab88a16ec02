#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <queue>
#include <vector>

class QWidget;

// The programs' open and save dialogs. Filters are written the programs' way,
// "name|pattern;pattern|name|pattern", and shown as the platform's filters.
namespace FileDialog {

enum class Mode { Open, Save };

struct Request
{
    Mode mode = Mode::Open;
    QString title;
    QString filter;
    // Added to a name typed without an extension (save only), without its dot.
    QString defaultExt;
    // The name offered; its folder is where the dialog starts.
    QString fileName;
};

// The chosen file's full name, or nothing when the dialog was cancelled. A
// save dialog asks before it returns the name of an existing file.
std::optional<QString> run(QWidget *owner, const Request &request);

// "A|*.a;*.b|B|*.b" as Qt's "A (*.a *.b);;B (*.b)".
QString qtFilter(const QString &filter);

// Test seam: while a script is installed no real dialog opens. Each run takes
// the next scripted answer (cancel when the queue is empty) and is recorded.
class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void choose(const QString &fileName) { m_answers.push({true, fileName}); }
    void cancel() { m_answers.push({false, {}}); }
    const std::vector<Request> &requests() const { return m_requests; }
    int pending() const { return static_cast<int>(m_answers.size()); }

    static Script *active();
    std::optional<QString> take(const Request &request);

private:
    struct Answer
    {
        bool chosen = false;
        QString fileName;
    };
    std::queue<Answer> m_answers;
    std::vector<Request> m_requests;
    Script *m_previous = nullptr;
};

} // namespace FileDialog
