#pragma once

#include <QTabWidget>

// A page control with button-style tabs and no frame around its pages.
class TButtonTabWidget : public QTabWidget {
    Q_OBJECT

  public:
    explicit TButtonTabWidget(QWidget* parent = nullptr);
};
