#include "trainer/documents/TUkazPrilohu.h"

#include "platform/files/PathResolver.h"
#include "platform/pictures/Picture.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "platform/ui/WidgetLook.h"
#include "trainer/documents/FormAnnexes.h"
#include "trainer/documents/TUkazPriloha3.h"
#include "ui_TUkazPrilohu.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextOption>
#include <QTreeWidget>

#include <map>

TUkazPrilohu *UkazPrilohu = nullptr;

namespace {

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

// Disabled only so that it takes no focus: the note stays legible.
void setUpNote(QPlainTextEdit *memo)
{
    WidgetLook::setBackground(memo, Colors::clWhite);
    // A plain-text edit lays out every line by the document's own option,
    // not by a paragraph's alignment.
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    memo->setPalette(palette);
}

} // namespace

TUkazPrilohu::TUkazPrilohu(const QString &documentsFolder, QWidget *parent)
    : FormDialog(parent)
    , ui(std::make_unique<Ui::TUkazPrilohu>())
    , m_documentsFolder(documentsFolder)
{
    ui->setupUi(this);
    setFixedSize(size());
    TreeView1 = ui->TreeView1;
    Image1 = ui->Image1;
    Memo1 = ui->Memo1;
    Memo2 = ui->Memo2;
    BitBtn1 = ui->BitBtn1;
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::setTextColor(ui->Label1, Colors::clRed);
    WidgetLook::setBackground(ui->Panel3, Colors::clWhite);
    WidgetLook::setTextColor(ui->Panel3, Colors::clRed);
    // Node texts show whole, with a scroll bar when they are wider than the tree.
    TreeView1->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    WidgetLook::setColor(*TreeView1, QPalette::Base, Colors::clSilver);
    WidgetLook::setColor(*TreeView1, QPalette::Text, Colors::clNavy);
    setUpNote(Memo1);
    setUpNote(Memo2);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    // No node chosen, no caption. An empty title would have the window
    // system show the program's name in its place.
    setWindowTitle(QStringLiteral(" "));
    buildTree();
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, &TUkazPrilohu::TreeView1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

TUkazPrilohu::~TUkazPrilohu() = default;

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
