#pragma once

#include "platform/forms/ModalHost.h"
#include "platform/forms/Twips.h"
#include "platform/forms/VbColor.h"

#include <QString>

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace tarvello::test {

// What a control showed when its window was shown modally.
struct ShownControl {
    QString kind;
    QString text; // caption or text
    forms::VbColor foreColor = 0;
    forms::VbColor backColor = 0;
    bool visible = false;
    bool enabled = false;
    forms::TwipRect rect;
};

// One modal show: the window, its title, its owner and its controls as the player saw them.
struct ModalShow {
    QString form;
    QString caption;
    QString owner;
    forms::VbColor backColor = 0;
    forms::VbColor foreColor = 0;
    forms::TwipRect rect; // the window's outer frame
    std::map<QString, ShownControl> controls;
    bool shownAfterAnswer = false; // the answer left the window on screen

    // The text of a control, or an empty text if the window has no such control.
    QString text(const QString &control) const;
    // A control as shown; the test fails if the window has no such control.
    const ShownControl &control(const QString &name) const;
};

// The modal host of the tests: never blocks. Each modal show is recorded, the window is shown (the
// tests run offscreen) and answered at once by the next queued answer, or by the default answer,
// which does nothing. Then the show returns, as the real one would once the window is hidden.
class ScriptedModalHost final : public forms::ModalHost {
public:
    using Answer = std::function<void(forms::Form &)>;

    void showModal(forms::Form &form, forms::Form *owner) override;

    void answerNext(Answer answer) { answers_.push_back(std::move(answer)); }
    void setDefaultAnswer(Answer answer) { default_ = std::move(answer); }
    // Answers that press the named button of the window, or unload it.
    static Answer click(const QString &button);
    static Answer unload();

    const std::vector<ModalShow> &shows() const { return shows_; }
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

private:
    std::deque<Answer> answers_;
    Answer default_;
    std::vector<ModalShow> shows_;
};

} // namespace tarvello::test
