#pragma once

#include <QTabBar>

// A tab bar whose tabs look like push buttons: the open page's button is
// pressed in.
class TButtonTabBar : public QTabBar {
    Q_OBJECT

  public:
    explicit TButtonTabBar(QWidget* parent = nullptr);

  protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};
