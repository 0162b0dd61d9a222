#include "platform/ui/controlarray.h"

#include <QObject>

namespace ui {

namespace {

class DeferredControl : public QObject {
public:
    DeferredControl(std::unique_ptr<Control> control, std::shared_ptr<void> keepAlive)
        : control_(std::move(control)), keepAlive_(std::move(keepAlive)) {}

private:
    // Destroyed in reverse order: what was kept alive goes first, then the control.
    std::unique_ptr<Control> control_;
    std::shared_ptr<void> keepAlive_;
};

}  // namespace

void deleteLaterControl(std::unique_ptr<Control> control, std::shared_ptr<void> keepAlive) {
    if (!control) return;
    (new DeferredControl(std::move(control), std::move(keepAlive)))->deleteLater();
}

}  // namespace ui
