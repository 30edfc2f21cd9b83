#include "TButtonTabBar.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Space between two buttons.
constexpr int Gap = 3;

} // namespace

TButtonTabBar::TButtonTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
}

QSize TButtonTabBar::tabSizeHint(int index) const {
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = tabText(index);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    const QSize button = style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this);
    return {button.width() + Gap, button.height()};
}

void TButtonTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = tabRect(i).adjusted(0, 0, -Gap, 0);
        option.text = tabText(i);
        option.state &= ~QStyle::State_HasFocus;
        if (i == currentIndex()) {
            option.state |= QStyle::State_Sunken | QStyle::State_On;
            if (hasFocus())
                option.state |= QStyle::State_HasFocus;
        } else {
            option.state |= QStyle::State_Raised;
        }
        painter.drawControl(QStyle::CE_PushButton, option);
    }
}
