#pragma once

#include <QAction>
#include <QString>

#include <cstdint>
#include <functional>

class QMenu;

namespace tarvello::forms {

// One item of a window's menu tree: a top-level menu, a submenu, a command or a separator (caption
// "-"). Caption, Checked, Enabled and Visible are the item's own state. Choosing an item never changes
// its check mark: the item's click procedure sets the marks itself. An item with items under it runs
// its click procedure when its submenu opens.
class MenuItem : public QAction {
    Q_OBJECT
public:
    // `window` is the window the menu belongs to; submenus are made as its children.
    MenuItem(QWidget *window, const QString &name, const QString &caption);

    QWidget *window() const { return window_; }

    // The element's Index in a menu array; -1 for an item that is not an element.
    int16_t index() const { return index_; }
    void setArrayIndex(int16_t index) { index_ = index; }

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    MenuItem *parentItem() const { return parent_; }
    QMenu *submenu() const { return submenu_; }
    void addItem(MenuItem *child); // makes the submenu on first use

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

    // The player's choice of the item (or opening its submenu). Its procedure runs under the input
    // rule (InputGate.h): not unless the item, every menu above it and its window can be used.
    void click();
    bool reachable() const;

private:
    void choose();
    void open();

    QWidget *window_;
    QString caption_;
    int16_t index_ = -1;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    MenuItem *parent_ = nullptr;
    QMenu *submenu_ = nullptr;
    std::function<void()> click_;
};

} // namespace tarvello::forms
