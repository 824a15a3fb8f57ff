// Showing a modal dialog, behind an interface so tests can answer dialogs without blocking.
#pragma once

class QDialog;

namespace kestrins {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows the dialog modal and returns once it has closed.
    virtual void Run(QDialog& dialog) = 0;
};

class ExecModalRunner final : public ModalRunner {
public:
    void Run(QDialog& dialog) override;
};

}  // namespace kestrins
