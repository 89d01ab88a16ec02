#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A group of radio buttons, one under another in equal rows, with one item
// index. Setting the index from code reports it like a click does.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const;
    int count() const;

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeItems();
    QRect itemRect(int index) const;

    QButtonGroup *m_buttons;
};
