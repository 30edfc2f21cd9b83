#include "TButtonTabWidget.h"

#include "TButtonTabBar.h"

TButtonTabWidget::TButtonTabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TButtonTabBar(this));
    // Document mode draws no frame around the pages.
    setDocumentMode(true);
}
