#include "platform/forms/FormRegistry.h"

namespace tarvello::forms {

FormRegistry::~FormRegistry()
{
    active_ = nullptr;
    for (auto &[type, entry] : entries_)
        entry.form.reset();
    for (const QPointer<Form> &form : released_)
        delete form.data();
}

Form &FormRegistry::load(std::type_index type, const std::function<std::unique_ptr<Form>()> &make)
{
    Entry &entry = entries_[type];
    entry.form = make();
    Form *form = entry.form.get();
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
    for (auto &[type, entry] : entries_) {
        if (entry.form.get() == &form) {
            Form *gone = entry.form.release();
            std::erase_if(released_, [](const QPointer<Form> &f) { return f.isNull(); });
            released_.emplace_back(gone);
            gone->deleteLater();
            break;
        }
    }
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
