#include "forms/frameblockinggrace.h"

#include "forms/form1.h"
#include "forms/jobs.h"
#include "forms/parts.h"
#include "forms/settings.h"
#include "platform/rt/convert.h"
#include "platform/rt/error.h"
#include "platform/sys/inifile.h"

namespace {

QString key() { return forms::appkey::框架不加载.text(); }

}  // namespace

FrameBlockingGrace::FrameBlockingGrace(Form1& form) : f(form) {
    forms::jobBody(f, forms::Job::GraceEnd) = [this] { graceEnd(); };
}

void FrameBlockingGrace::graceEnd() {
    rt::step([&] { end(); });
    rt::step([&] { forms::stop(f, forms::Job::GraceEnd); });
}

void FrameBlockingGrace::open() {
    forms::write(forms::appkey::框架不加载, QStringLiteral("1"));
    pending_ = true;
    file_ = forms::txtPath(forms::Txt::App);
    writeCount_ = sys::profileWriteCount(file_, forms::kSection, key());
}

bool FrameBlockingGrace::stillOwnsKey() const {
    if (!pending_) return false;
    if (sys::profileWriteCount(file_, forms::kSection, key()) != writeCount_) return false;
    // Read straight from the store: this look is the program's own, not a setting read.
    return sys::getProfileString(file_, forms::kSection, key()) == QLatin1String("1");
}

void FrameBlockingGrace::end() {
    const bool ours = stillOwnsKey();
    const QString file = file_;
    pending_ = false;
    file_.clear();
    writeCount_ = 0;
    if (ours) sys::writeProfileString(file, forms::kSection, key(), QStringLiteral("0"));
}

namespace forms {

void openUserNavigationGrace(Form1& f) {
    if (readNumber(appkey::框架不加载, 0) != 0) return;
    rt::step([&] { part<FrameBlockingGrace>().open(); });
    rt::step([&] { start(f, Job::GraceEnd); });
}

}  // namespace forms
