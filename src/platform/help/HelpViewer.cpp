#include "platform/help/HelpViewer.h"

#include <QTextBrowser>
#include <QUrl>

#include <utility>

namespace tarvello::help {

namespace {

constexpr auto kScheme = "topic";

QString notFoundPage(int32_t context)
{
    return QStringLiteral("<h2>Topic not found</h2><p>The help has no topic number %1.</p>"
                          "<p><a href=\"topic:0\">Contents</a></p>")
        .arg(context);
}

} // namespace

const HelpPage *findHelpPage(const std::vector<HelpPage> &pages, int32_t context)
{
    for (const HelpPage &page : pages)
        if (page.context == context)
            return &page;
    return nullptr;
}

HelpWindow::HelpWindow(std::vector<HelpPage> pages) : pages_(std::move(pages)) {}

HelpWindow::~HelpWindow()
{
    delete browser_.data();
}

QTextBrowser *HelpWindow::browser() const { return browser_; }

bool HelpWindow::isOpen() const
{
    return browser_ && browser_->isVisible();
}

void HelpWindow::helpCommand(QWidget *, const QString &, uint32_t command, int32_t data)
{
    switch (command) {
    case HELP_QUIT:
        delete browser_.data();
        shown_ = -1;
        break;
    case HELP_CONTENTS:
        show(0);
        break;
    case HELP_CONTEXT:
        show(data);
        break;
    default:
        break; // commands the game never sends
    }
}

void HelpWindow::show(int32_t context)
{
    if (!browser_) {
        // A window of its own, with no owner: it stays open beside the game and never blocks it.
        browser_ = new QTextBrowser;
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setOpenLinks(false);
        browser_->resize(560, 480);
        QObject::connect(browser_, &QTextBrowser::anchorClicked, browser_,
                         [this](const QUrl &url) { followLink(url); });
    }
    const HelpPage *page = findHelpPage(pages_, context);
    browser_->setWindowTitle(page ? QStringLiteral("Tarvello Help - ") + page->title
                                  : QStringLiteral("Tarvello Help"));
    browser_->setHtml(page ? page->html : notFoundPage(context));
    shown_ = page ? context : -1;
    browser_->show();
    browser_->raise();
}

void HelpWindow::followLink(const QUrl &url)
{
    if (url.scheme() == QLatin1String(kScheme))
        show(url.path().toInt());
}

} // namespace tarvello::help
