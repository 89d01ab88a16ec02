#pragma once

#include <QDialog>

#include <optional>

class QIcon;
class TWebHost;

// What the two page windows share: a browser host set up as both forms set
// it, printing that reports its failure, and the maximized state.
class PageWindow : public QDialog
{
    Q_OBJECT

public:
    TWebHost *WebHost1 = nullptr;

    void setVisible(bool visible) override;

protected:
    // `parent` is the window it was opened from, which it stays above.
    explicit PageWindow(QWidget *parent);

    // Takes the form's browser host and gives it both forms' stored settings.
    void setUpWebHost(TWebHost *host);
    static QIcon printGlyph();
    // Prints the shown page; a failure is shown in a box naming its cause.
    void printPage();

    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    virtual void FormShow() = 0;
    virtual void FormActivate();

private:
    void keepStateOfReplacedWindow();

    bool m_shown = false;
    std::optional<Qt::WindowStates> m_stateOfReplacedWindow;
};
