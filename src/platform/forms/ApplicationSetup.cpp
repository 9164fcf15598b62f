#include "platform/forms/ApplicationSetup.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QThreadPool>

#include <optional>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

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

// Blocks up to this size come from the heap, as a window's drawing surface does.
constexpr int kHeapBlockLimit = 4 << 20;
// The heap the start-up needs.
constexpr int kStartUpHeap = 3 << 20;

// A window's drawing surface is a block of up to a few megabytes. Taken from the heap rather than
// mapped on its own, the surface of a window that closed is handed to the next window, or to anything
// else, instead of going back to the system, which would give the next one fresh pages to be faulted
// in one by one. The heap keeps up to four such blocks free at its top for the same reason.
//
// The start-up takes some 3 MB of heap, the windows' drawing surfaces the most of it. Grown a page at a
// time, every page costs a fault when first written, a trap into the kernel that is dear on a virtual
// machine; instead the heap grows once by that much, its pages made in one call. The block, freed at
// once, stays with the heap for what the start-up allocates next. Where the kernel cannot make pages
// ahead, the call fails and nothing else changes.
void setUpHeap()
{
#ifdef M_MMAP_THRESHOLD
    mallopt(M_MMAP_THRESHOLD, kHeapBlockLimit);
    mallopt(M_TRIM_THRESHOLD, 4 * kHeapBlockLimit);
#ifdef MADV_POPULATE_WRITE
    static_assert(kStartUpHeap < kHeapBlockLimit, "the block must come from the heap");
    void *block = std::malloc(kStartUpHeap);
    if (!block)
        return;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + kStartUpHeap) / page * page;
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE);
    std::free(block);
#endif
#endif
}

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
    setUpHeap();
    QApplication::setStyle(new GameStyle);
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

} // namespace tarvello::forms
