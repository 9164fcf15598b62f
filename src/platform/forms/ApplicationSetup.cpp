#include "platform/forms/ApplicationSetup.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QThreadPool>

#include <optional>

namespace tarvello::forms {

namespace {

// An icon made by its style only when it is first drawn or measured.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(const QStyle *style, QStyle::StandardPixmap icon) : style_(style), icon_(icon) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

private:
    const QIcon &made()
    {
        if (!made_)
            made_ = style_->standardIcon(icon_);
        return *made_;
    }

    const QStyle *style_;
    QStyle::StandardPixmap icon_;
    std::optional<QIcon> made_;
};

} // namespace

GameStyle::GameStyle() : QProxyStyle(nullptr) {}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // The extension buttons ask without an option, so the icon depends on nothing but the style.
    if (!option && (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void setUpApplication()
{
    QApplication::setStyle(new GameStyle);
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

} // namespace tarvello::forms
