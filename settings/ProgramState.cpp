#include "settings/ProgramState.h"

#include "ini/IniStrings.h"
#include "platform/AppPaths.h"

namespace marvane {

using namespace Qt::StringLiterals;

QString ProgramState::path(const QString &settingsDirectory)
{
    return AppPaths::join(settingsDirectory, u"state.ini"_s);
}

bool ProgramState::logonNoticeAnswered(const QString &settingsDirectory)
{
    const Result<FileContents> read = ini::readFile(path(settingsDirectory));
    return read && ini::lookupString(read->view(), u"general"_s, u"LogonNoticeAnswered"_s, QString()) == u"1"_s;
}

Result<> ProgramState::setLogonNoticeAnswered(const QString &settingsDirectory)
{
    return ini::writeStrings({{u"general"_s, u"LogonNoticeAnswered"_s, u"1"_s}}, path(settingsDirectory));
}

} // namespace marvane
