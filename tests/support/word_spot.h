#pragma once
// Where a word of a page lies, for tests that select it as a person does (a double click on it).
#include "platform/web/document.h"

#include <QPoint>
#include <QString>
#include <QStringList>

// The centre of the first `word` in the first text of the element `id`, in page coordinates.
inline QPoint wordSpot(const web::Document& doc, const QString& id, const QString& word) {
    const QStringList centre =
        doc.evaluate(QStringLiteral("(function(){var t=document.getElementById('%1').firstChild;"
                                    "var i=t.data.indexOf('%2');var r=document.createRange();"
                                    "r.setStart(t,i);r.setEnd(t,i+%3);var b=r.getBoundingClientRect();"
                                    "return Math.round((b.left+b.right)/2)+','+Math.round((b.top+b.bottom)/2);})()")
                         .arg(id, word)
                         .arg(word.size()))
            .split(QLatin1Char(','));
    return QPoint(centre.value(0).toInt(), centre.value(1).toInt());
}
