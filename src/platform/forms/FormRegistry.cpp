#include "platform/forms/FormRegistry.h"

namespace tarvello::forms {

FormRegistry::~FormRegistry()
{
    active_ = nullptr;
    for (auto &[type, entry] : entries_)
        entry.form.reset();
    others_.clear();
    for (const QPointer<Form> &form : released_)
        delete form.data();
}

Form &FormRegistry::load(std::type_index type, const std::function<std::unique_ptr<Form>()> &make, Slot slot)
{
    Entry &entry = entries_[type];
    std::unique_ptr<Form> &held = slot == Slot::Registered ? entry.form : others_.emplace_back();
    held = make();
    Form *form = held.get();
    form->registry_ = this;
    form->loaded_ = true;
    if (entry.connector)
        entry.connector(*form);
    // The window counts as loaded while its Load handler runs, so that touching it there is no reload.
    form->runLoad();
    return *form;
}

void FormRegistry::release(Form &form)
{
    const auto letGo = [this](std::unique_ptr<Form> &held) {
        Form *gone = held.release();
        std::erase_if(released_, [](const QPointer<Form> &f) { return f.isNull(); });
        released_.emplace_back(gone);
        gone->deleteLater();
    };
    for (auto &[type, entry] : entries_) {
        if (entry.form.get() == &form)
            letGo(entry.form);
    }
    for (std::unique_ptr<Form> &other : others_) {
        if (other.get() == &form)
            letGo(other);
    }
    std::erase(others_, nullptr);
    if (active_ == &form)
        active_ = nullptr;
}

void FormRegistry::activate(Form &form)
{
    if (active_ == &form)
        return;
    active_ = &form;
    form.runActivate();
}

} // namespace tarvello::forms
