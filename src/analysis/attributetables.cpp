#include "analysis/attributetables.h"

#include "analysis/tablepage.h"
#include "analysis/views.h"
#include "forms/form1.h"
#include "forms/form4.h"
#include "forms/slots.h"
#include "platform/rt/error.h"
#include "platform/ui/services.h"
#include "platform/web/document.h"
#include "platform/web/webbrowser.h"

using rt::step;

namespace {

constexpr int kTagCell = 10;

}  // namespace

AttributeTables::AttributeTables(Form1& form, Form4& owner) : f(form), m(owner) {
    m.CS100.onClick = [this](int Index) { CS100_Click(Index); };
}

void AttributeTables::CS100_Click(int Index) {
    const QString number = analysis::drawViewNumber();
    QString name;
    if (Index >= 1 && Index <= 10) {
        step([&] { name = analysis::nameFromCaption(m.CS100(Index).caption()); });
    } else if (Index == 11) {
        step([&] {
            name = ui::askInInputBox(QStringLiteral("href,src,title.id.name.."), QStringLiteral("标记属性"), QString());
        });
        name = name.toLower();
        if (name.isEmpty()) return;
    } else {
        return;
    }
    attributeTable(number, name);
}

void AttributeTables::attributeTable(const QString& number, const QString& name) {
    if (!analysis::fitsFileName(name)) {
        ui::refuse(QStringLiteral("网页中没有<") + name + QStringLiteral(">属性"));
        return;
    }
    // One walk over a snapshot of every element: a match takes the next number, its row is written
    // when its tag and value could be read and the tag fits the cell.
    QList<web::Element> elements;
    step([&] { elements = f.WebBrowser1(forms::frontSlot(f)).document().all(); });
    const QString cell = analysis::plainEscape(name) + QLatin1Char('=');
    int count = 0;
    QStringList rows;
    for (const web::Element& e : elements) {
        QString value;
        // A value that cannot be read counts as a match without a row.
        const bool read = step([&] { value = e.getAttribute(name); });
        if (read && value.isEmpty()) continue;
        ++count;
        if (!read) continue;
        step([&] {
            const QString tag = e.tagName();
            if (tag.isEmpty() || tag.size() > kTagCell) return;
            rows << analysis::numberCell(count) + QStringLiteral("<td width=9%>&lt;") + analysis::plainEscape(tag) +
                        QStringLiteral("&gt;") + QString(kTagCell - tag.size(), QLatin1Char('-')) +
                        QStringLiteral("></td> <td>") + cell + analysis::plainEscape(value) + QStringLiteral("</td> </tr>");
        });
    }
    if (count < 1) {
        ui::refuse(QStringLiteral("网页中没有<") + name + QStringLiteral(">属性"));
        return;
    }
    analysis::writeTablePage(number, name, count, QStringLiteral("<div style=font-size:17px>"), rows);
}
