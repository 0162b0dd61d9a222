#include "analysis/tablepage.h"

#include "analysis/views.h"
#include "forms/form1.h"
#include "forms/windowowner.h"
#include "platform/rt/error.h"

using rt::step;

namespace analysis {

QString numberCell(int n) { return QStringLiteral("<tr> <td width=1%>") + QString::number(n) + QStringLiteral("</td> "); }

void writeTablePage(const QString& number, const QString& name, int count, const QString& division,
                    const QStringList& rows) {
    const ViewName view = nameNewView(name + QLatin1Char('(') + QString::number(count) + QStringLiteral(") - "), number);
    QString head, tail;
    step([&] { head = forms::form1().ge1(); });
    step([&] { tail = forms::form1().ge2(); });
    step([&] { writeView(view.name, QStringList{division, head} + rows + QStringList{tail, QStringLiteral("</div>")}); });
    showView(view.name);
}

QString nameFromCaption(const QString& caption) {
    QString name = caption.mid(2, 19);
    name.remove(QLatin1Char('<'));
    name.remove(QLatin1Char('>'));
    return name;
}

bool fitsFileName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral(".."));
}

}  // namespace analysis
