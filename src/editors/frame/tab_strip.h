#pragma once

#include <QTabBar>
#include <vector>

// The tab strip of a tabbed editor. A click on a tab takes the focus, as on the
// desktop; and however the page changes (a click, the wheel, keys), the focus
// left on the page being hidden comes to the strip. Hidden with its box, Qt
// would hand it on along the tab order to Apply, where the next blank typed
// writes what the user never applied.
class TabStrip : public QTabBar {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // The page tab index shows; a tab without one shows none.
    void setPage(int index, QWidget* page);

private:
    void keepFocusOffHiddenPages(int current);

    std::vector<QWidget*> pages_;
};
