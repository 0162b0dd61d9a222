#include "platform/ui/controlarray.h"

#include <QObject>

namespace ui {

namespace {

class DeferredControl : public QObject {
public:
    explicit DeferredControl(std::unique_ptr<Control> control) : control_(std::move(control)) {}

private:
    std::unique_ptr<Control> control_;
};

}  // namespace

void deleteLaterControl(std::unique_ptr<Control> control) {
    if (!control) return;
    (new DeferredControl(std::move(control)))->deleteLater();
}

}  // namespace ui
