#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QuestionGridModel;
class QuestionTable;

namespace Ui {
class TServisni_okno;
}

// The question-bank service window: the grid of questions, and editors for
// the texts and points of the current one. The editors always show the
// record that a save writes: they follow every change of the current row.
class TServisni_okno : public QDialog
{
    Q_OBJECT

public:
    explicit TServisni_okno(QuestionTable &table, QWidget *parent = nullptr);
    ~TServisni_okno() override;

    QuestionGridModel *model() const { return m_model; }
    bool editing() const { return m_editing; }

    QFrame *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Celkem_Otazek = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Cislo_otazky = nullptr;
    QFrame *Panel4 = nullptr;
    QTableView *DBGrid1 = nullptr;
    QFrame *Panel5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Kategorie = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Label2 = nullptr;
    QPlainTextEdit *Otazka = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QPlainTextEdit *Odpoved_a = nullptr;
    QPlainTextEdit *Odpoved_b = nullptr;
    QPlainTextEdit *Odpoved_c = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image3 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QComboBox *Pocet_bodu = nullptr;
    QFrame *Panel3 = nullptr;
    QCheckBox *Editace = nullptr;
    QPushButton *BitBtn3 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpLooks();
    void setUpGrid();
    void connectHandlers();

    void FormShow();
    void FormClose();
    void LoadRule();
    void currentRowChanged(const QModelIndex &current);
    void gridRowChanged(const QModelIndex &topLeft);
    void BitBtn1Click();
    void BitBtn2Click();
    void Change();
    void EditaceClick();
    void Stav_editace(bool on);
    void markCorrectAnswer(int correct);
    void insertRecord();
    void deleteCurrentRecord();
    void showTableError(const QString &error);
    void showCounters();

    std::unique_ptr<Ui::TServisni_okno> ui;
    QuestionTable &m_table;
    QuestionGridModel *m_model = nullptr;
    bool m_editing = false;
    bool m_loading = false;
    bool m_shown = false;
};

// The service window while it runs modally, or null.
extern TServisni_okno *Servisni_okno;
