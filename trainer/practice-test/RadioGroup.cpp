#include "trainer/practice-test/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>

namespace {
constexpr int SideMargin = 8;
constexpr int TopMargin = 14;
constexpr int BottomMargin = 4;
} // namespace

RadioGroup::RadioGroup(QWidget *parent) : QGroupBox(parent), m_buttons(new QButtonGroup(this))
{
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

void RadioGroup::setItems(const QStringList &items)
{
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        m_buttons->addButton(button, i);
    }
    placeItems();
}

int RadioGroup::itemIndex() const { return m_buttons->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index))
        button->setChecked(true);
    emit clicked();
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

int RadioGroup::count() const { return static_cast<int>(m_buttons->buttons().size()); }

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    placeItems();
}

QRect RadioGroup::itemRect(int index) const
{
    const int rowHeight = (height() - TopMargin - BottomMargin) / std::max(1, count());
    return {SideMargin, TopMargin + index * rowHeight, width() - 2 * SideMargin, rowHeight};
}

void RadioGroup::placeItems()
{
    for (int i = 0; i < count(); ++i)
        m_buttons->button(i)->setGeometry(itemRect(i));
}
