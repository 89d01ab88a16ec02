#include "calendar/app/DesignerStartup.h"

#include "calendar/file-commands/FileMenu.h"
#include "calendar/language/LanguageMenu.h"
#include "calendar/language/TForm6.h"
#include "calendar/main-window/TAboutBox.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/main-window/TForm2.h"
#include "calendar/page-commands/CalendarMenu.h"
#include "calendar/print-window/Print.h"
#include "calendar/print-window/TForm7.h"
#include "calendar/project-commands/ProjectMenu.h"
#include "calendar/wizard/TForm3.h"
#include "calendar/year-dialogs/TForm4.h"
#include "calendar/year-dialogs/TForm5.h"

DesignerStartup::DesignerStartup(const QString &programFile)
    : m_form2(std::make_unique<TForm2>())
{
    m_form1 = std::make_unique<TForm1>(&m_form2->CaptionMemo);
    Form1 = m_form1.get();
    FileMenu::Connect(*m_form1);
    LanguageMenu::Connect(*m_form1);
    m_aboutBox = std::make_unique<TAboutBox>();
    AboutBox = m_aboutBox.get();
    Form2 = m_form2.get();
    m_form2->FormCreate(programFile, *m_form1);
    m_form3 = std::make_unique<TForm3>();
    Form3 = m_form3.get();
    m_form4 = std::make_unique<TForm4>();
    Form4 = m_form4.get();
    m_form5 = std::make_unique<TForm5>();
    Form5 = m_form5.get();
    m_form6 = std::make_unique<TForm6>();
    Form6 = m_form6.get();
    ConnectProjectMenu(*m_form1);
    ConnectPageMenu(*m_form1);
    m_form7 = std::make_unique<TForm7>(*m_form1, *m_form2);
    Form7 = m_form7.get();
    ConnectPrintCommand(*m_form1, *m_form7);
    // The print window's creation step: the start-up language load, which
    // writes the captions of every window, Form7's included, then the rest.
    if (!Form1->NoSaveQuery)
        LanguageMenu::InitLanguage();
    m_form7->FormCreate();
}

bool DesignerStartup::ended() const
{
    return m_form1->NoSaveQuery && !m_form1->RootDirError;
}

DesignerStartup::~DesignerStartup()
{
    Form1 = nullptr;
    AboutBox = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
}
