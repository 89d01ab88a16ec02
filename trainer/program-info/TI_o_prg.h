#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class TFileVersionInfo;
class TShadowLabel;

namespace Ui {
class TI_o_prg;
}

// The maker's web host. The maker gave none, so a reserved example host
// stands in.
inline constexpr char MakerHost[] = "http://example.org";

// The program's version, a few facts about the computer, and two links to
// the maker's pages. Values are read each time the window is shown.
class TI_o_prg : public QDialog
{
    Q_OBJECT

public:
    TI_o_prg(const QString &programVersion, const QString &versionDate, const TFileVersionInfo &versionInfo,
             QWidget *parent = nullptr);
    ~TI_o_prg() override;

    TShadowLabel *Verze;
    QLabel *Exec;
    QLabel *Komentar;
    QLabel *Descript;
    QLabel *ExeVersion;
    QLabel *Country;
    QLabel *cpus;
    QLabel *xx;
    QLabel *xx2;
    QLabel *ram;
    QLabel *ram2;
    QLabel *Label1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpLooks();
    void FormShow();
    void Label1Click();
    void BitBtn2Click();
    void openPage(const char *path);

    std::unique_ptr<Ui::TI_o_prg> ui;
    QString m_programVersion;
    QString m_versionDate;
    const TFileVersionInfo &m_versionInfo;
};

// The start-up's hidden instance, or the window the menu runs, or null.
extern TI_o_prg *I_o_prg;
