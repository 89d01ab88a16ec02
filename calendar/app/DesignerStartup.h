#pragma once

#include <QString>

#include <memory>

class TAboutBox;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm7;
class TForm6;

// Creates the designer's windows in their start-up order, binds the main
// window's menus to their commands and keeps the windows. Each window is
// reachable through its global reference while it lives.
class DesignerStartup
{
public:
    explicit DesignerStartup(const QString &programFile);
    ~DesignerStartup();
    DesignerStartup(const DesignerStartup &) = delete;
    DesignerStartup &operator=(const DesignerStartup &) = delete;

    TForm1 &mainWindow() const { return *m_form1; }
    // The user declined to create the settings file: the program ends
    // without showing its window.
    bool ended() const;

private:
    // The data holder exists before the main window, whose month controls
    // read its caption lines; its creation step still runs after the main
    // window's, in the designer's order.
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm4> m_form4;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<TForm6> m_form6;
};
