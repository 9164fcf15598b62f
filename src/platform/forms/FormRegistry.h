#pragma once

#include "platform/forms/Form.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace tarvello::forms {

class ModalHost;

// Holds the one instance of each window class and applies the game's loading rules: touching a window
// that is not loaded (get) makes it, connects its events and runs its Load handler, without showing
// it; it then stays loaded, shown or hidden, until it is unloaded; the next touch makes a fresh one
// with its design state. The registry also knows which window is active, to run Activate handlers
// once per activation, and which modal host shows modal windows.
class FormRegistry {
public:
    explicit FormRegistry(ModalHost &host) : host_(host) {}
    ~FormRegistry();
    FormRegistry(const FormRegistry &) = delete;
    FormRegistry &operator=(const FormRegistry &) = delete;

    ModalHost &modalHost() const { return host_; }

    // How T's events are connected each time it is loaded (before its Load handler runs).
    template <class T> void setConnector(std::function<void(T &)> connect)
    {
        entries_[typeid(T)].connector = [connect = std::move(connect)](Form &form) {
            connect(static_cast<T &>(form));
        };
    }

    // The window, loaded if it was not. Do not keep the reference past an unload of the window.
    template <class T> T &get()
    {
        static_assert(std::is_base_of_v<Form, T>);
        const auto it = entries_.find(typeid(T));
        if (it != entries_.end() && it->second.form)
            return static_cast<T &>(*it->second.form);
        return static_cast<T &>(load(typeid(T), [] { return std::make_unique<T>(); }));
    }

    // Another window of class T beside the one the registry holds, made, connected and loaded as get()
    // loads that one, for a procedure that must not share the window with an outer call still using
    // it. get() never returns it; it is let go once unloaded.
    template <class T> T &loadAnother()
    {
        static_assert(std::is_base_of_v<Form, T>);
        return static_cast<T &>(load(
            typeid(T), [] { return std::make_unique<T>(); }, Slot::Another));
    }

    template <class T> bool isLoaded() const
    {
        const auto it = entries_.find(typeid(T));
        return it != entries_.end() && it->second.form;
    }

    // Unloads T if it is loaded; false when its Unload handler cancelled.
    template <class T> bool unload() { return isLoaded<T>() ? get<T>().unload() : true; }

    Form *activeForm() const { return active_; }
    // Makes `form` the active window; runs its Activate handler when it was not the active one.
    void activate(Form &form);

private:
    friend class Form;
    struct Entry {
        std::unique_ptr<Form> form;
        std::function<void(Form &)> connector;
    };

    enum class Slot { Registered, Another };
    Form &load(std::type_index type, const std::function<std::unique_ptr<Form>()> &make,
               Slot slot = Slot::Registered);
    void release(Form &form); // an unloaded window goes once control is back in the event loop

    ModalHost &host_;
    std::unordered_map<std::type_index, Entry> entries_;
    std::vector<std::unique_ptr<Form>> others_; // loaded by loadAnother
    std::vector<QPointer<Form>> released_;
    QPointer<Form> active_;
};

// A handle that touches its window through the registry on every use, so that using it loads the
// window as the game expects: FormRef<frmGameOver> gameOver(forms); gameOver->Label1->setCaption(...).
template <class T> class FormRef {
public:
    explicit FormRef(FormRegistry &forms) : forms_(&forms) {}
    T *operator->() const { return &forms_->get<T>(); }
    T &operator*() const { return forms_->get<T>(); }
    bool loaded() const { return forms_->isLoaded<T>(); }

private:
    FormRegistry *forms_;
};

} // namespace tarvello::forms
