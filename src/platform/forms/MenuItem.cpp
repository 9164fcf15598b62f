#include "platform/forms/MenuItem.h"

#include "platform/forms/Form.h"
#include "platform/forms/InputGate.h"

#include <QActionEvent>
#include <QMenu>
#include <QMenuBar>

namespace tarvello::forms {

namespace {

// Qt lays a whole menu bar out again (every caption measured, every mnemonic taken again) whenever one
// of its items changes, though an item's Enabled flag moves nothing on it. While the flag of one item
// on a drawn bar changes, the bar is only drawn again.
class EnabledChangeOnBar final : public QObject {
public:
    EnabledChangeOnBar(QMenuBar &bar, const QAction &item) : bar_(bar), item_(item)
    {
        bar_.installEventFilter(this);
    }
    ~EnabledChangeOnBar() override
    {
        bar_.removeEventFilter(this);
        bar_.update();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::ActionChanged &&
               static_cast<QActionEvent *>(event)->action() == &item_;
    }

private:
    QMenuBar &bar_;
    const QAction &item_;
};

// The window's drawn menu bar that shows `item` itself, if any.
QMenuBar *barShowing(const QAction &item, QWidget *window)
{
    const auto *form = qobject_cast<const Form *>(window);
    QMenuBar *bar = form ? form->menuBar() : nullptr;
    if (!bar || !bar->isVisible() || bar->isNativeMenuBar() || !bar->actions().contains(&item))
        return nullptr;
    return bar;
}

} // namespace

MenuItem::MenuItem(QWidget *window, const QString &name, const QString &caption)
    : QAction(window), window_(window)
{
    setObjectName(name);
    setCaption(caption);
    // Qt would flip the mark of a checkable action before the procedure runs; put the own state back.
    connect(this, &QAction::triggered, this, [this] {
        QAction::setCheckable(checked_);
        QAction::setChecked(checked_);
        choose();
    });
    // Qt enables an item with a submenu whenever the submenu's own widget is enabled (with its window,
    // say): the item's own flag wins.
    connect(this, &QAction::changed, this, [this] {
        if (QAction::isEnabled() != enabled_)
            QAction::setEnabled(enabled_);
    });
}

void MenuItem::setCaption(const QString &caption)
{
    caption_ = caption;
    // A separator draws as a line; given a text, Qt would draw the "-" beside it.
    setSeparator(caption == QLatin1String("-"));
    setText(isSeparator() ? QString() : caption);
    if (submenu_)
        submenu_->setTitle(caption);
}

void MenuItem::setChecked(bool checked)
{
    checked_ = checked;
    // Only a checked item is checkable, so that unchecked commands draw no empty box.
    QAction::setCheckable(checked);
    QAction::setChecked(checked);
}

void MenuItem::setEnabled(bool enabled)
{
    enabled_ = enabled;
    QMenuBar *bar = parent_ ? nullptr : barShowing(*this, window_);
    if (!bar || QAction::isEnabled() == enabled) {
        QAction::setEnabled(enabled);
        return;
    }
    const EnabledChangeOnBar drawOnly(*bar, *this);
    QAction::setEnabled(enabled);
}

void MenuItem::setVisible(bool visible)
{
    visible_ = visible;
    QAction::setVisible(visible);
}

void MenuItem::addItem(MenuItem *child)
{
    if (!submenu_) {
        submenu_ = new QMenu(caption_, window_);
        setMenu(submenu_);
        connect(submenu_, &QMenu::aboutToShow, this, &MenuItem::open);
    }
    child->parent_ = this;
    submenu_->addAction(child);
}

bool MenuItem::reachable() const
{
    for (const MenuItem *item = this; item; item = item->parent_) {
        if (!item->enabled_ || !item->visible_)
            return false;
    }
    if (const auto *form = qobject_cast<const Form *>(window_))
        return form->enabled();
    return true;
}

void MenuItem::click()
{
    if (!reachable() || isSeparator())
        return;
    if (submenu_)
        runInput(*this, click_);
    else
        trigger();
}

void MenuItem::choose()
{
    runInput(*this, click_);
}

void MenuItem::open()
{
    // A menu the rule for input refuses closes again at once, before the player can choose in it.
    if (!runInput(*this, click_))
        QMetaObject::invokeMethod(submenu_, &QMenu::close, Qt::QueuedConnection);
}

} // namespace tarvello::forms
