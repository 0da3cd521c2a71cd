#include "ToDoStore.h"

#include "AppPaths.h"
#include "Module2.h"

namespace marvane {

namespace {

QString keyName(std::int16_t n)
{
    return QStringLiteral("TODO") + QString::number(n);
}

QString trimSpaces(const QString &s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == u' ')
        ++begin;
    while (end > begin && s.at(end - 1) == u' ')
        --end;
    return s.mid(begin, end - begin);
}

} // namespace

QString ToDoStore::fileIn(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("todolist.ini"));
}

QString ToDoStore::dateKey(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);
}

QString ToDoStore::GetTodayToDo(std::int16_t n) const
{
    return ReadToDoItem(dateKey(m_clock.today()), n);
}

QString ToDoStore::ReadToDoItem(const QString &dateKey, std::int16_t n) const
{
    return Module2::ReadIniString(dateKey, keyName(n), QString(), m_file);
}

WriteResult ToDoStore::WriteToDoItem(const QString &dateKey, std::int16_t n, const QString &text) const
{
    return Module2::WriteIniString(dateKey, keyName(n), trimSpaces(text), m_file);
}

} // namespace marvane
