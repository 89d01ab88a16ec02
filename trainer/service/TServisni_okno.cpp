#include "trainer/service/TServisni_okno.h"

#include "platform/paint/TColor.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WidgetLook.h"
#include "platform/ui/WindowPlacement.h"
#include "trainer/messages/TrainerMessages.h"
#include "trainer/question-table/QuestionTable.h"
#include "trainer/service/QuestionGridModel.h"

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

constexpr QSize ClientSize{834, 531};
constexpr int BandHeight = 41;
constexpr int GridPanelWidth = 305;
constexpr int GridColumnWidths[] = {52, 77, 65};
constexpr int DefaultColumnWidth = 64;
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

QFont fontOf(int points, bool bold, bool underline = false)
{
    QFont font(QStringLiteral("MS Sans Serif"), points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, QPoint at, const QFont &font,
                 TColor color)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    WidgetLook::setTextColor(label, color);
    label->move(at);
    label->adjustSize();
    return label;
}

QFrame *addPanel(QWidget *parent, const QString &name, QRect place)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(place);
    return panel;
}

QPlainTextEdit *addMemo(QWidget *parent, const QString &name, QRect place)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(place);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &text, QRect place,
                       QStyle::StandardPixmap glyph)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setCursor(Qt::PointingHandCursor);
    if (glyph != QStyle::SP_CustomBase)
        button->setIcon(parent->style()->standardIcon(glyph));
    return button;
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
    : QDialog(parent), m_table(table), m_model(new QuestionGridModel(table, this))
{
    setObjectName(QStringLiteral("Servisni_okno"));
    setWindowTitle(QStringLiteral("Servisní okno k nastavení otázek a programu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(fontOf(8, false));
    setFixedSize(ClientSize);
    buildTop();
    buildGrid();
    buildEditors();
    buildBottom();
    connectHandlers();
}

TServisni_okno::~TServisni_okno() = default;

void TServisni_okno::buildTop()
{
    using namespace Colors;
    Panel1 = addPanel(this, QStringLiteral("Panel1"), {0, 0, ClientSize.width(), BandHeight});
    Label1 = addLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Celkem evidovaných otázek v systému :"),
                      {16, 16}, fontOf(8, true), clBlue);
    Celkem_Otazek = addLabel(Panel1, QStringLiteral("Celkem_Otazek"), QString(), {248, 16}, fontOf(8, true), clRed);
    Label7 = addLabel(Panel1, QStringLiteral("Label7"), QStringLiteral("Otázka číslo:"), {648, 10},
                      fontOf(12, true), clMaroon);
    Cislo_otazky = addLabel(Panel1, QStringLiteral("Cislo_otazky"), QString(), {776, 10}, fontOf(12, true), clMaroon);
}

void TServisni_okno::buildGrid()
{
    using namespace Colors;
    const int height = ClientSize.height() - 2 * BandHeight;
    Panel4 = addPanel(this, QStringLiteral("Panel4"), {0, BandHeight, GridPanelWidth, height});
    DBGrid1 = new QTableView(Panel4);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(0, 0, GridPanelWidth, height - BandHeight);
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setTabKeyNavigation(true);
    // Fixed row heights let the grid place every row without reading it.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    DBGrid1->verticalHeader()->setMinimumWidth(14);
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    // The last column stretches from the grid's default width: from Qt's
    // wider default the four columns would overflow the grid once the
    // vertical scroll bar shows, and moving to the last column would push the
    // first one out of view.
    DBGrid1->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int column = 0; column < int(std::size(GridColumnWidths)); ++column)
        DBGrid1->setColumnWidth(column, GridColumnWidths[column]);
    DBGrid1->installEventFilter(this);

    Panel5 = addPanel(Panel4, QStringLiteral("Panel5"), {0, height - BandHeight, GridPanelWidth, BandHeight});
    Label6 = addLabel(Panel5, QStringLiteral("Label6"), QStringLiteral("Kategorie:"), {16, 7},
                      fontOf(8, true, true), clMaroon);
    Kategorie = addLabel(Panel5, QStringLiteral("Kategorie"), QString(), {14, 24}, fontOf(8, true), clMaroon);
}

void TServisni_okno::buildEditors()
{
    using namespace Colors;
    Panel2 = addPanel(this, QStringLiteral("Panel2"),
                      {GridPanelWidth, BandHeight, ClientSize.width() - GridPanelWidth,
                       ClientSize.height() - 2 * BandHeight});
    Label2 = addLabel(Panel2, QStringLiteral("Label2"), QStringLiteral("Znění nastavené otázky:"), {24, 8},
                      fontOf(8, true), clRed);
    Otazka = addMemo(Panel2, QStringLiteral("Otazka"), {24, 24, 481, 89});
    Otazka->setFont(fontOf(8, true));
    const QString letters = QStringLiteral("ABC");
    QLabel **answerLabels[] = {&Label3, &Label4, &Label5};
    QPlainTextEdit **memos[] = {&Odpoved_a, &Odpoved_b, &Odpoved_c};
    QLabel **images[] = {&Image1, &Image2, &Image3};
    const QPixmap marker = correctMarker();
    for (int i = 0; i < 3; ++i) {
        const int top = 136 + 88 * i;
        *answerLabels[i] = addLabel(Panel2, QStringLiteral("Label%1").arg(3 + i),
                                    QStringLiteral("Odpověď \"%1\" pro nastavenou otázku:").arg(letters[i]),
                                    {56, top}, fontOf(8, true), clBlue);
        *memos[i] = addMemo(Panel2, QStringLiteral("Odpoved_") + QChar(u'a' + i), {56, top + 16, 449, 65});
        auto *image = new QLabel(Panel2);
        image->setObjectName(QStringLiteral("Image%1").arg(1 + i));
        image->setGeometry(24, top + 40, 25, 25);
        image->setScaledContents(true);
        image->setPixmap(marker);
        *images[i] = image;
    }
    BitBtn1 = addButton(Panel2, QStringLiteral("BitBtn1"), QStringLiteral("&Uložit změny"), {56, 408, 129, 25},
                        QStyle::SP_DialogSaveButton);
    BitBtn1->setDefault(true);
    BitBtn2 = addButton(Panel2, QStringLiteral("BitBtn2"), QStringLiteral("&Zrušit změny"), {192, 408, 129, 25},
                        QStyle::SP_DialogCancelButton);
    Pocet_bodu = new QComboBox(Panel2);
    Pocet_bodu->setObjectName(QStringLiteral("Pocet_bodu"));
    Pocet_bodu->addItems({QStringLiteral("za 1 bod"), QStringLiteral("za 2 body"), QStringLiteral("za 3 body")});
    Pocet_bodu->setGeometry(360, 408, 145, Pocet_bodu->sizeHint().height());
}

void TServisni_okno::buildBottom()
{
    using namespace Colors;
    Panel3 = addPanel(this, QStringLiteral("Panel3"),
                      {0, ClientSize.height() - BandHeight, ClientSize.width(), BandHeight});
    Editace = new QCheckBox(QStringLiteral("Povolení Editace "), Panel3);
    Editace->setObjectName(QStringLiteral("Editace"));
    Editace->setFont(fontOf(8, true));
    WidgetLook::setTextColor(Editace, clBlue);
    Editace->move(16, 12);
    Editace->adjustSize();
    BitBtn3 = addButton(Panel3, QStringLiteral("BitBtn3"), QStringLiteral("&Uzavřít okno"), {704, 8, 113, 25},
                        QStyle::SP_CustomBase);
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
    Celkem_Otazek->adjustSize();
    WidgetLook::setLabelText(Cislo_otazky, QString::number(m_table.recordNumber()));
    Cislo_otazky->adjustSize();
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
            Kategorie->adjustSize();
        }
        const int points = m_table.fieldByName(QuestionTable::Poc_bodu).asInteger();
        Pocet_bodu->setCurrentIndex(points >= 1 && points <= MaxPoints ? points - 1 : -1);
        WidgetLook::setLabelText(Cislo_otazky, QString::number(m_table.recordNumber()));
        Cislo_otazky->adjustSize();
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
        memos[i]->setFont(fontOf(8, marked));
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
