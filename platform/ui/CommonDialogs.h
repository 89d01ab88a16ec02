#pragma once

#include "platform/paint/TColor.h"

#include <QString>

#include <queue>
#include <utility>
#include <vector>

class QWidget;

// The colour-choice and picture-open dialogs of the designer. Each keeps its
// values between uses, as a form's dialog component does: `Color` is the
// preset when the dialog opens and the choice after OK; `FileName` the file
// the picture dialog starts at and the one chosen.
class ColorDialog
{
public:
    TColor Color = Colors::clBlack;
    // True on OK, with `Color` set to the choice; Cancel changes nothing.
    bool Execute(QWidget *owner);
};

class OpenPictureDialog
{
public:
    explicit OpenPictureDialog(QString filter = {}) : Filter(std::move(filter)) {}

    // Entries "description|patterns", separated by "|".
    QString Filter;
    // Empty: the platform's own title.
    QString Title;
    QString FileName;
    // True on OK, with `FileName` the chosen file's full path.
    bool Execute(QWidget *owner);
};

// The document dialogs of a File menu. A save dialog asks before it returns
// the name of an existing file; an open dialog takes a typed name of a
// missing file too (opening it then fails with the reader's own error).
class OpenDialog
{
public:
    QString Filter;
    QString Title;
    QString FileName;
    bool Execute(QWidget *owner);
};

class SaveDialog
{
public:
    QString Filter;
    QString Title;
    QString FileName;
    // Added to a name typed without an extension; without its dot.
    QString DefaultExt;
    // Free for the owner: the designer keeps its document link here (0 the
    // document is untitled, 1 it has a file).
    int Tag = 0;
    bool Execute(QWidget *owner);
};

// Test seam: while a script is installed no real dialog opens. Each Execute
// takes the next scripted answer (Cancel when the queue is empty) and is
// recorded with the preset it opened with.
namespace CommonDialogs {

struct Request
{
    enum class Kind { Color, OpenPicture, Open, Save };
    Kind kind = Kind::Color;
    TColor color;        // colour dialog: the preset
    QString fileName;    // picture dialog: the file it starts at
    QString title;
    QString filter;
    QString defaultExt = {}; // save dialog
};

class Script
{
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void answerColor(TColor color);
    void answerFile(const QString &fileName);
    void answerCancel();
    const std::vector<Request> &requests() const { return m_requests; }
    int pending() const { return static_cast<int>(m_answers.size()); }

    // A plain struct, not a variant: GCC 12 at -O3 takes a QString moved out
    // of a variant for uninitialized.
    struct Answer
    {
        enum class Kind { Cancel, Color, File };
        Kind kind = Kind::Cancel;
        TColor color;
        QString fileName;
    };

    static Script *active();
    // Records the request; the next answer, Cancel when there is none.
    Answer take(const Request &request);

private:
    std::queue<Answer> m_answers;
    std::vector<Request> m_requests;
    Script *m_previous = nullptr;
};

} // namespace CommonDialogs
