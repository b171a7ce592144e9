#include "editors/frame/tab_strip.h"

#include <QApplication>
#include <algorithm>

TabStrip::TabStrip(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
    setFocusPolicy(Qt::StrongFocus);
    // Connected before any window's own handler, which hides the old page.
    connect(this, &QTabBar::currentChanged, this, &TabStrip::keepFocusOffHiddenPages);
}

void TabStrip::setPage(int index, QWidget* page) {
    if (index < 0)
        return;
    if (pages_.size() <= static_cast<std::size_t>(index))
        pages_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    pages_[static_cast<std::size_t>(index)] = page;
}

void TabStrip::keepFocusOffHiddenPages(int current) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return;
    const QWidget* shown = current >= 0 && static_cast<std::size_t>(current) < pages_.size()
                               ? pages_[current]
                               : nullptr;
    const bool onHiddenPage = std::any_of(pages_.begin(), pages_.end(), [&](const QWidget* page) {
        return page && page != shown && page->isAncestorOf(focus);
    });
    if (onHiddenPage)
        setFocus(Qt::OtherFocusReason);
}
