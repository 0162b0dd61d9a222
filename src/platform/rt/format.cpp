#include "platform/rt/format.h"

#include <QLocale>

#include <QLatin1String>

namespace rt {
namespace {

QString significant(double value, int digits) {
    if (value == 0.0) return QStringLiteral("0");  // also for a negative zero
    return QString::number(value, 'G', digits);
}

}  // namespace

QString str(float value) { return significant(double(value), 7); }
QString str(double value) { return significant(value, 15); }
QString str(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// Western digits whatever the system locale.
QString dateText(const QDate& date) { return QLocale::c().toString(date, QStringLiteral("MM-dd-yyyy")); }
QString dateText(const QDateTime& moment) { return dateText(moment.date()); }
QString timeText(const QTime& time) { return QLocale::c().toString(time, QStringLiteral("HH:mm:ss")); }
QString timeText(const QDateTime& moment) { return timeText(moment.time()); }

int year(const QDateTime& moment) { return moment.date().year(); }
int month(const QDateTime& moment) { return moment.date().month(); }
int day(const QDateTime& moment) { return moment.date().day(); }
int hour(const QDateTime& moment) { return moment.time().hour(); }
int minute(const QDateTime& moment) { return moment.time().minute(); }
int second(const QDateTime& moment) { return moment.time().second(); }

}  // namespace rt
