#include "trainer/service/TServisni_okno.h"

#include "platform/paint/TColor.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "trainer/messages/TrainerMessages.h"
#include "trainer/question-table/QuestionTable.h"
#include "trainer/service/QuestionGridModel.h"
#include "ui_TServisni_okno.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTableView>

TServisni_okno *Servisni_okno = nullptr;

namespace {

constexpr int GridColumnWidths[] = {52, 77, 65};
constexpr int MaxPoints = 3;

QString categoryText(int category)
{
    switch (category) {
    case 1: return QStringLiteral("Právní předpisy");
    case 2: return QStringLiteral("Nauka o zbraních a střelivu");
    case 3: return QStringLiteral("Zdravotnické minimum");
    default: return {};
    }
}

// The marker beside the correct answer: a green tick.
QPixmap correctMarker()
{
    QPixmap marker(25, 25);
    marker.fill(Qt::transparent);
    QPainter painter(&marker);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(4, 13);
    tick.lineTo(10, 20);
    tick.lineTo(21, 5);
    painter.setPen(QPen(QColor(0, 128, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return marker;
}

} // namespace

TServisni_okno::TServisni_okno(QuestionTable &table, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TServisni_okno>())
    , m_table(table)
    , m_model(new QuestionGridModel(table, this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    Panel1 = ui->Panel1;
    Label1 = ui->Label1;
    Celkem_Otazek = ui->Celkem_Otazek;
    Label7 = ui->Label7;
    Cislo_otazky = ui->Cislo_otazky;
    Panel4 = ui->Panel4;
    DBGrid1 = ui->DBGrid1;
    Panel5 = ui->Panel5;
    Label6 = ui->Label6;
    Kategorie = ui->Kategorie;
    Panel2 = ui->Panel2;
    Label2 = ui->Label2;
    Otazka = ui->Otazka;
    Label3 = ui->Label3;
    Label4 = ui->Label4;
    Label5 = ui->Label5;
    Odpoved_a = ui->Odpoved_a;
    Odpoved_b = ui->Odpoved_b;
    Odpoved_c = ui->Odpoved_c;
    Image1 = ui->Image1;
    Image2 = ui->Image2;
    Image3 = ui->Image3;
    BitBtn1 = ui->BitBtn1;
    BitBtn2 = ui->BitBtn2;
    Pocet_bodu = ui->Pocet_bodu;
    Panel3 = ui->Panel3;
    Editace = ui->Editace;
    BitBtn3 = ui->BitBtn3;
    WidgetLook::fitAutoSizedLabels(this);
    // The check box and the points list take their heights from their
    // content, as the labels do.
    Editace->adjustSize();
    Pocet_bodu->resize(Pocet_bodu->width(), Pocet_bodu->sizeHint().height());
    setUpLooks();
    setUpGrid();
    connectHandlers();
}

TServisni_okno::~TServisni_okno() = default;

void TServisni_okno::setUpLooks()
{
    using namespace Colors;
    for (QWidget *blue : std::initializer_list<QWidget *>{Label1, Label3, Label4, Label5, Editace})
        WidgetLook::setTextColor(blue, clBlue);
    for (QLabel *red : {Celkem_Otazek, Label2})
        WidgetLook::setTextColor(red, clRed);
    for (QLabel *maroon : {Label7, Cislo_otazky, Label6, Kategorie})
        WidgetLook::setTextColor(maroon, clMaroon);
    const QPixmap marker = correctMarker();
    for (QLabel *image : {Image1, Image2, Image3})
        image->setPixmap(marker);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
}

void TServisni_okno::setUpGrid()
{
    DBGrid1->setModel(m_model);
    // Fixed row heights let the grid place every row without reading it.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->verticalHeader()->setMinimumWidth(14);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The last column stretches from the grid's default width (the form's
    // 64): from Qt's wider default the four columns would overflow the grid
    // once the vertical scroll bar shows, and moving to the last column would
    // push the first one out of view.
    for (int column = 0; column < int(std::size(GridColumnWidths)); ++column)
        DBGrid1->setColumnWidth(column, GridColumnWidths[column]);
    DBGrid1->installEventFilter(this);
}

void TServisni_okno::connectHandlers()
{
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TServisni_okno::currentRowChanged);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TServisni_okno::gridRowChanged);
    connect(m_model, &QuestionGridModel::editFailed, this, &TServisni_okno::showTableError);
    for (QPlainTextEdit *memo : {Otazka, Odpoved_a, Odpoved_b, Odpoved_c})
        connect(memo, &QPlainTextEdit::textChanged, this, &TServisni_okno::Change);
    connect(Pocet_bodu, &QComboBox::currentIndexChanged, this, &TServisni_okno::Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TServisni_okno::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TServisni_okno::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::close);
    connect(Editace, &QCheckBox::clicked, this, &TServisni_okno::EditaceClick);
}

void TServisni_okno::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    centreOnPrimaryScreen(*this);
    FormShow();
}

void TServisni_okno::FormShow()
{
    const bool wasOpen = m_table.active();
    if (const Result<> opened = m_table.open(); !opened) {
        m_model->reload();
        showTableError(opened.error());
        return;
    }
    if (!wasOpen)
        m_model->reload();
    LoadRule();
    if (m_table.recordCount() > 0)
        DBGrid1->setCurrentIndex(m_model->index(m_table.recordNumber() - 1, std::max(0, DBGrid1->currentIndex().column())));
    DBGrid1->setFocus();
    showCounters();
    Stav_editace(false);
    Editace->setChecked(false);
    EditaceClick();
}

void TServisni_okno::showCounters()
{
    WidgetLook::setLabelText(Celkem_Otazek, QString::number(m_table.recordCount()));
    WidgetLook::setLabelText(Cislo_otazky, QString::number(m_table.recordNumber()));
}

void TServisni_okno::LoadRule()
{
    // Filling the editors is no change of the user's: locking the grid for
    // it, even for a moment, would take the focus away from the grid.
    const QScopedValueRollback loading(m_loading, true);
    if (m_table.active() && m_table.recordCount() > 0) {
        Otazka->setPlainText(m_table.fieldByName(QuestionTable::Otazka).asText());
        Odpoved_a->setPlainText(m_table.fieldByName(QuestionTable::Odpoved_a).asText());
        Odpoved_b->setPlainText(m_table.fieldByName(QuestionTable::Odpoved_b).asText());
        Odpoved_c->setPlainText(m_table.fieldByName(QuestionTable::Odpoved_c).asText());
        if (const QString category = categoryText(m_table.fieldByName(QuestionTable::Kategorie).asInteger());
            !category.isEmpty()) {
            WidgetLook::setLabelText(Kategorie, category);
        }
        const int points = m_table.fieldByName(QuestionTable::Poc_bodu).asInteger();
        Pocet_bodu->setCurrentIndex(points >= 1 && points <= MaxPoints ? points - 1 : -1);
        WidgetLook::setLabelText(Cislo_otazky, QString::number(m_table.recordNumber()));
        markCorrectAnswer(m_table.fieldByName(QuestionTable::Spravna).asInteger());
    }
    Stav_editace(false);
}

void TServisni_okno::markCorrectAnswer(int correct)
{
    if (correct < 1 || correct > 3)
        return;
    QLabel *const images[] = {Image1, Image2, Image3};
    QPlainTextEdit *const memos[] = {Odpoved_a, Odpoved_b, Odpoved_c};
    for (int i = 0; i < 3; ++i) {
        const bool marked = i + 1 == correct;
        images[i]->setVisible(marked);
        QFont memoFont = font();
        memoFont.setBold(marked);
        memos[i]->setFont(memoFont);
        WidgetLook::setColor(*memos[i], QPalette::Base, marked ? Colors::clAqua : Colors::clWhite);
    }
}

void TServisni_okno::currentRowChanged(const QModelIndex &current)
{
    if (!current.isValid())
        return;
    const Result<bool> moved = m_model->setCurrentRow(current.row());
    if (!moved) {
        showTableError(moved.error());
        return;
    }
    if (*moved)
        LoadRule();
}

void TServisni_okno::gridRowChanged(const QModelIndex &topLeft)
{
    // A grid edit of the current record changes what the editors mark.
    if (topLeft.row() == m_table.recordNumber() - 1 && !m_editing)
        LoadRule();
}

void TServisni_okno::Change()
{
    if (!m_loading)
        Stav_editace(true);
}

void TServisni_okno::Stav_editace(bool on)
{
    m_editing = on;
    BitBtn1->setEnabled(on);
    BitBtn2->setEnabled(on);
    BitBtn3->setEnabled(!on);
    Panel4->setEnabled(!on);
}

void TServisni_okno::EditaceClick()
{
    const bool on = Editace->isChecked();
    m_model->setEditable(on);
    DBGrid1->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                      | QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
}

void TServisni_okno::BitBtn1Click()
{
    Result<> result = m_table.edit();
    const std::pair<const QString &, QPlainTextEdit *> texts[] = {
        {QuestionTable::Otazka, Otazka},
        {QuestionTable::Odpoved_a, Odpoved_a},
        {QuestionTable::Odpoved_b, Odpoved_b},
        {QuestionTable::Odpoved_c, Odpoved_c},
    };
    for (const auto &[field, memo] : texts)
        if (result)
            result = m_table.setText(field, memo->toPlainText());
    if (result)
        result = m_table.setInteger(QuestionTable::Poc_bodu, Pocet_bodu->currentIndex() + 1);
    if (result)
        result = m_table.post();
    if (!result) {
        // The record keeps what it held; the editors keep the user's change.
        m_table.cancel();
        showTableError(result.error());
        return;
    }
    m_model->currentRecordChanged();
    FormShow();
}

void TServisni_okno::BitBtn2Click()
{
    LoadRule();
}

void TServisni_okno::insertRecord()
{
    if (const Result<> added = m_model->appendRecord(); !added) {
        showTableError(added.error());
        return;
    }
    const QModelIndex added = m_model->index(m_table.recordNumber() - 1, 0);
    DBGrid1->setCurrentIndex(added);
    DBGrid1->scrollTo(added);
    showCounters();
    DBGrid1->edit(added);
}

void TServisni_okno::deleteCurrentRecord()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    if (MessageBox::show(this, TrainerMessages::deleteRecordQuestion(), TrainerMessages::deleteRecordCaption(),
                         MessageBox::Ok | MessageBox::Cancel, MessageBox::Icon::Question, MessageBox::Ok)
        != MessageBox::Result::Ok)
        return;
    if (const Result<> deleted = m_model->deleteRecord(current.row()); !deleted)
        showTableError(deleted.error());
    if (m_table.recordCount() > 0)
        DBGrid1->setCurrentIndex(m_model->index(m_table.recordNumber() - 1, current.column()));
    LoadRule();
    showCounters();
}

bool TServisni_okno::eventFilter(QObject *watched, QEvent *event)
{
    // Keys typed into an open cell editor go to the editor, not to the grid.
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress && m_model->editable()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            insertRecord();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            deleteCurrentRecord();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TServisni_okno::keyPressEvent(QKeyEvent *event)
{
    // Esc is the cancel button's, and does nothing while it is disabled.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (BitBtn2->isEnabled())
            BitBtn2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TServisni_okno::closeEvent(QCloseEvent *event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TServisni_okno::FormClose()
{
    m_table.close();
}

void TServisni_okno::showTableError(const QString &error)
{
    MessageBox::show(this, error, QApplication::applicationName(), MessageBox::Ok, MessageBox::Icon::Error);
}
