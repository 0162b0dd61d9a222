#include "page/formfill.h"

#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/programstarts.h"
#include "forms/slots.h"
#include "platform/rt/error.h"
#include "platform/rt/format.h"
#include "platform/rt/random.h"
#include "platform/sys/programfolder.h"
#include "platform/sys/textfile.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::guard;
using rt::step;

namespace {

const char kRefusal[] = "此处不可以填空";

// Elements whose value is the text the user sees and edits.
bool holdsValue(const QString& tag) {
    return tag == QLatin1String("input") || tag == QLatin1String("textarea") || tag == QLatin1String("select");
}

}  // namespace

FormFill::FormFill(Form1& form, Form4& owner) : f(form), m(owner) {
    m.TK100.onClick = [this](int Index) { TK100_Click(Index); };
}

QString FormFill::filePath() { return sys::appPath() + QStringLiteral("\\txt\\填空.txt"); }

QStringList FormFill::defaultLines() {
    QStringList lines{QStringLiteral("[Zelvaro]"), QStringLiteral("标题1=Tavrolin")};
    for (int n = 2; n <= 9; ++n) lines << QStringLiteral("标题%1=文本%1").arg(n);
    return lines;
}

void FormFill::TK100_Click(int Index) {
    if (Index >= 1 && Index <= 9) {
        fill(Index);
    } else if (Index == 10) {
        editFile();
    }
}

void FormFill::fill(int Index) {
    QString text;
    step([&] { text = m.TK100(Index).caption(); });
    step([&] { rt::randomize(); });
    float r = 0;
    step([&] { r = rt::rnd(); });
    // The element the document menu was opened on, in the front slot's page.
    web::Element target;
    step([&] { target = f.WebBrowser1(forms::frontSlot(f)).document().event().srcElement; });
    QString tag;
    bool readable = false;
    step([&] {
        tag = target.tagName().toLower();
        readable = true;
    });
    if (!readable || tag == QLatin1String("body") || tag == QLatin1String("center")) {
        ui::refuse(QString::fromUtf8(kRefusal));
        return;
    }
    if (guard([&] { return target.id().isEmpty(); })) {
        step([&] { target.setId(QStringLiteral("Tavrolin") + rt::str(r)); });
    }
    // The text goes into the element itself (an earlier element with the same id is left alone);
    // a list keeps its options.
    if (holdsValue(tag)) {
        step([&] { target.setValue(text); });
    } else {
        step([&] { target.setInnerText(text); });
    }
}

void FormFill::editFile() {
    const QString file = filePath();
    if (!sys::fileExists(file)) {
        bool written = false;
        step([&] {
            sys::writeLines(file, defaultLines());
            written = true;
        });
        if (!written) {
            step([&] {
                ui::services().msgBox(QStringLiteral("无法写入 ") + sys::nativePath(file), ui::vbOKOnly + ui::vbExclamation,
                                      QString());
            });
            return;
        }
    }
    step([&] { forms::editProgramFile(file); });
}
