#pragma once
// The application object: the forms in creation order, the main form (the first one
// created) and the message loop, which runs until the main form is closed.

#include "toolkit/Form.h"

#include <functional>
#include <memory>
#include <vector>

namespace vantrel {

class TApplication;

// The platform's message loop and window factory; the Win32 one lives in toolkit/win32.
class ApplicationDriver : public PeerFactory {
public:
    // Called once by the application that uses this driver.
    virtual void Bind(TApplication& application) = 0;
    // Shows the main form and dispatches messages until it is closed.
    virtual void Run(TForm& mainForm) = 0;
    // Dispatches every message that is waiting, then returns.
    virtual void ProcessMessages() = 0;
};

class TApplication {
public:
    explicit TApplication(ApplicationDriver* driver = nullptr) : driver_(driver) {
        if (driver_) driver_->Bind(*this);
    }

    // Creates a form, gives it its window (and its controls theirs), then runs OnCreate.
    template <class F, class... Args> F& CreateForm(Args&&... args) {
        auto form = std::make_unique<F>(std::forward<Args>(args)...);
        F& result = *form;
        forms_.push_back(std::move(form));
        Realize(result);
        return result;
    }

    TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
    const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }

    void Run();
    void ProcessMessages();

    // Keys that may be shortcuts, from any of the program's windows: the virtual-key code
    // and a handled flag.
    std::function<void(int key, bool& handled)> OnShortCut;
    // Lets the platform offer a key to OnShortCut; returns whether it was handled.
    bool ShortCut(int key);

    ApplicationDriver* Driver() const { return driver_; }

private:
    void Realize(TForm& form);
    void RealizeChildren(TControl& control);

    ApplicationDriver* driver_;
    std::vector<std::unique_ptr<TForm>> forms_;
};

} // namespace vantrel
