#pragma once

#include <QPointer>
#include <QString>

#include <cstdint>
#include <vector>

class QTextBrowser;
class QWidget;
class QUrl;

namespace tarvello::help {

// The help commands the game sends: a page by its context number, the end of help, the contents.
enum HelpCommand : uint32_t { HELP_CONTEXT = 1, HELP_QUIT = 2, HELP_CONTENTS = 3 };

// One page of the game's own help, found by its context number; the contents page has number 0.
struct HelpPage {
    int32_t context;
    QString title;
    QString html;
};

// The page of a context number among `pages`; none when there is no such page.
const HelpPage *findHelpPage(const std::vector<HelpPage> &pages, int32_t context);

// Where the help commands go. The call returns at once and reports nothing: a topic that does not
// exist shows a page that says so; closing when nothing is open does nothing.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void helpCommand(QWidget *owner, const QString &helpFile, uint32_t command, int32_t data) = 0;
};

// The help window: a window of its own beside the game (not modal), showing one of the pages it is given
// at a time, with links between the pages.
class HelpWindow final : public HelpViewer {
public:
    explicit HelpWindow(std::vector<HelpPage> pages);
    ~HelpWindow() override;
    HelpWindow(const HelpWindow &) = delete;
    HelpWindow &operator=(const HelpWindow &) = delete;

    void helpCommand(QWidget *owner, const QString &helpFile, uint32_t command, int32_t data) override;

    bool isOpen() const;
    int32_t shownContext() const { return shown_; } // -1 when no page of ours is shown
    QTextBrowser *browser() const;

private:
    void show(int32_t context);
    void followLink(const QUrl &url);

    std::vector<HelpPage> pages_;
    QPointer<QTextBrowser> browser_;
    int32_t shown_ = -1;
};

} // namespace tarvello::help
