#include "trainer/documents/TUkazPrilohu.h"

#include "platform/files/PathResolver.h"
#include "platform/pictures/Picture.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "platform/ui/WidgetLook.h"
#include "trainer/documents/FormAnnexes.h"
#include "trainer/documents/TUkazPriloha3.h"

#include <QApplication>
#include <QCollator>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextOption>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

TUkazPrilohu *UkazPrilohu = nullptr;

namespace {

constexpr QSize ClientSize{744, 634};
constexpr int LeftPanelWidth = 273;
constexpr int NodeIndent = 19;
const QString FirstNoteStart = QStringLiteral("Poznámka, informace k formuláři:");

// The tree sorts by text the way a Czech user reads it ("Č" after "C").
class FormNode : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override
    {
        static const QCollator czech(QLocale(QLocale::Czech, QLocale::Czechia));
        return czech.compare(text(0), other.text(0)) < 0;
    }
};

// A leaf on a page: the node's icon, open when chosen.
QPixmap nodeGlyph(bool chosen)
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(Qt::darkBlue);
    painter.setBrush(chosen ? QColor(Qt::yellow) : QColor(Qt::white));
    painter.drawRect(3, 1, 10, 13);
    for (int y = 4; y <= 11; y += 3)
        painter.drawLine(5, y, 11, y);
    return glyph;
}

QIcon nodeIcon()
{
    QIcon icon(nodeGlyph(false));
    icon.addPixmap(nodeGlyph(true), QIcon::Selected);
    return icon;
}

QPlainTextEdit *note(QWidget *parent, const char *name, int height)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setFixedHeight(height);
    memo->setReadOnly(true);
    memo->setEnabled(false);
    QFont font = memo->font();
    font.setBold(true);
    memo->setFont(font);
    WidgetLook::setBackground(memo, Colors::clWhite);
    // A plain-text edit lays out every line by the document's own option,
    // not by a paragraph's alignment.
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
    // Disabled only so that it takes no focus: the note stays legible.
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    memo->setPalette(palette);
    return memo;
}

QFrame *panel(QWidget *parent, QFrame::Shadow shadow)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Panel | shadow);
    return frame;
}

} // namespace

TUkazPrilohu::TUkazPrilohu(const QString &documentsFolder, QWidget *parent)
    : FormDialog(parent)
    , m_documentsFolder(documentsFolder)
{
    setFixedSize(ClientSize);
    setCursor(Qt::PointingHandCursor);

    QFrame *left = panel(this, QFrame::Raised);
    left->setFixedWidth(LeftPanelWidth);
    QFrame *heading = panel(left, QFrame::Raised);
    heading->setFixedHeight(56);
    auto *Label1 = new QLabel(QStringLiteral("Zvolte zobrazení formuláře:"), heading);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    QFont headingFont = Label1->font();
    headingFont.setPointSize(10);
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    Label1->setFont(headingFont);
    WidgetLook::setTextColor(Label1, Colors::clRed);
    (new QVBoxLayout(heading))->addWidget(Label1, 0, Qt::AlignCenter);

    TreeView1 = new QTreeWidget(left);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setFrameShape(QFrame::NoFrame);
    TreeView1->setIndentation(NodeIndent);
    TreeView1->setCursor(Qt::PointingHandCursor);
    TreeView1->setMouseTracking(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Node texts show whole, with a scroll bar when they are wider than the tree.
    TreeView1->header()->setStretchLastSection(false);
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    WidgetLook::setColor(*TreeView1, QPalette::Base, Colors::clSilver);
    WidgetLook::setColor(*TreeView1, QPalette::Text, Colors::clNavy);

    auto *noteHeading = new QLabel(QStringLiteral("Poznámka k formuláři:"), left);
    noteHeading->setTextFormat(Qt::PlainText);
    noteHeading->setFixedHeight(41);
    noteHeading->setAlignment(Qt::AlignCenter);
    noteHeading->setFrameStyle(QFrame::Box | QFrame::Plain);
    noteHeading->setAutoFillBackground(true);
    WidgetLook::setBackground(noteHeading, Colors::clWhite);
    WidgetLook::setTextColor(noteHeading, Colors::clRed);
    QFont bold = noteHeading->font();
    bold.setBold(true);
    noteHeading->setFont(bold);
    Memo1 = note(left, "Memo1", 64);
    Memo2 = note(left, "Memo2", 67);
    Memo1->setPlainText(FirstNoteStart);

    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    leftLayout->addWidget(heading);
    leftLayout->addWidget(TreeView1, 1);
    leftLayout->addWidget(noteHeading);
    leftLayout->addWidget(Memo1);
    leftLayout->addWidget(Memo2);

    QFrame *right = panel(this, QFrame::Sunken);
    right->setLineWidth(3);
    Image1 = new QLabel(right);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::ForbiddenCursor);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(3, 3, 3, 3);
    rightLayout->addWidget(Image1);

    QFrame *bottom = panel(this, QFrame::Raised);
    bottom->setFixedHeight(42);
    BitBtn1 = new QPushButton(QStringLiteral("Zavřít okno"), bottom);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFixedSize(155, 25);
    BitBtn1->setToolTip(QStringLiteral("Ukončí aktuální okno"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    (new QHBoxLayout(bottom))->addWidget(BitBtn1, 0, Qt::AlignCenter);

    auto *upper = new QHBoxLayout;
    upper->setSpacing(0);
    upper->addWidget(left);
    upper->addWidget(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(upper, 1);
    layout->addWidget(bottom);

    // No node chosen, no caption. An empty title would have the window
    // system show the program's name in its place.
    setWindowTitle(QStringLiteral(" "));
    buildTree();
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TUkazPrilohu::TreeView1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TUkazPrilohu::buildTree()
{
    const QIcon icon = nodeIcon();
    std::map<QString, QTreeWidgetItem *> nodes;
    for (const FormAnnex &annex : formAnnexes()) {
        QTreeWidgetItem *item = annex.parent.isEmpty() ? new FormNode(TreeView1) : new FormNode(nodes.at(annex.parent));
        item->setText(0, annex.text);
        item->setIcon(0, icon);
        nodes[annex.text] = item;
    }
    TreeView1->setSortingEnabled(true);
    TreeView1->sortItems(0, Qt::AscendingOrder);
    // No node is chosen at the start; without a current node set, the tree
    // would choose its first one as it takes the focus.
    TreeView1->setCurrentIndex(QModelIndex());
}

int TUkazPrilohu::exec()
{
    // The rules node hides the window while the rules are open, which ends a
    // dialog's own loop: the window runs on as long as it is shown again.
    int result = 0;
    do {
        m_shownAgain = false;
        result = FormDialog::exec();
    } while (m_shownAgain && isVisible());
    return result;
}

void TUkazPrilohu::FormShow()
{
    TreeView1->expandAll();
}

void TUkazPrilohu::TreeView1Change(QTreeWidgetItem *current)
{
    const FormAnnex *annex = current ? findFormAnnex(current->text(0)) : nullptr;
    if (!annex)
        return;
    setWindowTitle(annex->caption);
    const Result<Picture> scan = Picture::load(PathResolver::resolve(m_documentsFolder, annex->scan));
    if (!scan) {
        MessageBox::show(this, scan.error(), QApplication::applicationName(), MessageBox::Ok, MessageBox::Icon::Error);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(scan->toImage()));
    Memo1->clear();
    Memo2->clear();
    Memo1->setPlainText(annex->firstNote);
    Memo2->setPlainText(annex->secondNote);
    if (annex->opensExamRules) {
        hide();
        runModalAs(UkazPriloha3);
        show();
        m_shownAgain = true;
    }
}
