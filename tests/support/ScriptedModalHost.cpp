#include "support/ScriptedModalHost.h"

#include "platform/forms/Control.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QPointer>

#include <gtest/gtest.h>

namespace tarvello::test {

QString ModalShow::text(const QString &control) const
{
    const auto it = controls.find(control);
    return it == controls.end() ? QString() : it->second.text;
}

const ShownControl &ModalShow::control(const QString &name) const
{
    static const ShownControl none;
    const auto it = controls.find(name);
    EXPECT_NE(it, controls.end()) << form.toStdString() << " has no control " << name.toStdString();
    return it == controls.end() ? none : it->second;
}

void ScriptedModalHost::showModal(forms::Form &form, forms::Form *owner)
{
    const QPointer<forms::Form> guard(&form);
    form.setVisible(true);
    ModalShow show;
    show.form = form.objectName();
    show.caption = form.caption();
    show.owner = owner ? owner->objectName() : QString();
    show.backColor = form.backColor();
    show.foreColor = form.foreColor();
    show.rect = {form.twipLeft(), form.twipTop(), form.twipWidth(), form.twipHeight()};
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        if (const auto *control = dynamic_cast<const forms::Control *>(widget)) {
            show.controls[control->name()] = {
                control->kind(),    control->displayText(), control->foreColor(), control->backColor(),
                control->visible(), control->enabled(),     control->twipRect()};
        }
    }
    shows_.push_back(show);
    Answer answer = default_;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    if (answer)
        answer(form);
    shows_.back().shownAfterAnswer = guard && guard->loaded() && guard->visible();
}

ScriptedModalHost::Answer ScriptedModalHost::click(const QString &button)
{
    return [button](forms::Form &form) {
        if (auto *b = form.findChild<forms::CommandButton *>(button))
            b->click();
    };
}

ScriptedModalHost::Answer ScriptedModalHost::unload()
{
    return [](forms::Form &form) { form.unload(); };
}

} // namespace tarvello::test
