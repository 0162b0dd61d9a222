#include "settings/settingeditors.h"

#include "forms/settings.h"
#include "platform/ui/checkbox.h"
#include "platform/ui/events.h"
#include "platform/ui/services.h"


namespace settings {

QString askChange(const QString& prompt, const QString& current) {
    const QString answer = ui::askInInputBox(prompt, QStringLiteral("修改"), current);
    if (answer.isEmpty() || answer == current) return QString();
    return answer;
}

void storeSwitch(const ui::CheckBox& box, const SwitchTexts& texts) {
    forms::write(texts.key, QString::fromUtf8(box.value() == 1 ? texts.ticked : texts.unticked));
}

bool commits(int Button) { return Button == ui::vbLeftButton; }

}  // namespace settings
