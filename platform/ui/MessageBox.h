#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <queue>
#include <utility>
#include <vector>

class QDialog;
class QMessageBox;
class QWidget;

// The one message-box function of both programs. Buttons read "Ano", "Ne",
// "OK", "Storno".
namespace MessageBox {

enum Button : unsigned { Ok = 1u << 0, Cancel = 1u << 1, Yes = 1u << 2, No = 1u << 3 };
using Buttons = unsigned;

enum class Icon { None, Information, Warning, Error, Question };

enum class Result { Ok, Cancel, Yes, No, Closed };

// The default button is honoured when it is among the buttons, else the first
// of the row (Ano, Ne, OK, Storno) is the default. Esc and the close box answer
// Storno when the box has it, else Ne, else OK; so a box never returns Closed,
// which only a script may answer.
Result show(QWidget *owner, const QString &text, const QString &caption,
            Buttons buttons = Ok, Icon icon = Icon::None, Button defaultButton = Ok);

// The text as every box shows it: CR, LF and CR LF each break the line, as
// the programs' texts and files write them.
QString shownText(const QString &text);

// What a box was asked to show; tests read these.
struct Request
{
    QString text;
    QString caption;
    Buttons buttons = Ok;
    Icon icon = Icon::None;
    bool hadOwner = false;
    Button defaultButton = Ok;
    // A dialog of the programs' own whose row has buttons beyond these four
    // lists the captions of all its buttons here, in row order.
    QStringList buttonCaptions = {};
};

// The real box that show() runs when no script is installed, built but not
// shown; and the answer of such a box once it has closed.
std::unique_ptr<QMessageBox> createBox(QWidget *owner, const Request &request);
Result resultOf(const QMessageBox &box);

// Test seam: while a script is installed no real box opens. Each call takes
// the next scripted answer (Ok when the queue is empty) and is recorded.
class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void answer(Result result);
    // Answers a dialog of the programs' own by the code (modal result) of the
    // button to press, for buttons that no Result names. A plain box given
    // such an answer reads it as Closed.
    void answerCode(int code);
    // Runs on every box taken, after it is recorded and before its answer is
    // returned: what the program does while a box stands open.
    void whileOpen(std::function<void(const Request &)> action) { m_whileOpen = std::move(action); }
    const std::vector<Request> &requests() const { return m_requests; }
    int pending() const { return static_cast<int>(m_answers.size()); }

    // The installed script, or null.
    static Script *active();
    // Records the request and returns the next scripted answer.
    Result take(const Request &request);
    // The same for a dialog of the programs' own: the next answer as a code,
    // a Result answer translated by `codeOf` (an empty queue answers Ok).
    int takeCode(const Request &request, const std::function<int(Result)> &codeOf);

private:
    struct Answer
    {
        Result result = Result::Closed;
        std::optional<int> code;
    };
    Answer next(const Request &request);

    std::queue<Answer> m_answers;
    std::vector<Request> m_requests;
    std::function<void(const Request &)> m_whileOpen;
    Script *m_previous = nullptr;
};

// Runs a dialog of the programs' own that stands in for a message box,
// modally, and returns its result. Under a script the real dialog still runs:
// while it stands open, the next answer is taken for `request`, turned into a
// code by `codeOf` (an answerCode() is taken as it is), and `press` presses
// that code's button on the dialog; a code it has no button for closes the
// dialog from its title bar.
int execAnswered(QDialog &dialog, const Request &request, const std::function<int(Result)> &codeOf,
                 const std::function<bool(int code)> &press);

} // namespace MessageBox
