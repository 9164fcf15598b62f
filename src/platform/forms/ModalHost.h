#pragma once

namespace tarvello::forms {

class Form;

// Every modal show goes through this service. The game uses EventLoopModalHost; tests use a
// scripted host that records the window and answers it without blocking.
class ModalHost {
public:
    virtual ~ModalHost() = default;
    // Shows `form` modally over `owner` (may be null) and returns once the form is hidden or unloaded.
    virtual void showModal(Form &form, Form *owner) = 0;
};

// The real host: shows the window application-modal over its owner and runs a nested event loop
// until the window is hidden or unloaded. The program-end service may end the process from inside it.
class EventLoopModalHost final : public ModalHost {
public:
    void showModal(Form &form, Form *owner) override;
};

} // namespace tarvello::forms
