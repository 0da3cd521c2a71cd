#include "settings/OptionsFile.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"
#include "ini/IniStrings.h"

#include <QRegularExpression>

#include <limits>
#include <variant>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

const QString kSection = u"general"_s;

struct IntField
{
    const char *key;
    std::int32_t Options::*field;
};
struct BoolField
{
    const char *key;
    bool Options::*field;
};
using Field = std::variant<IntField, BoolField>;

// The keys in the order they are read and written.
const std::array<Field, 9> kFields = {
    IntField{"DesktopColor", &Options::desktopColor},   IntField{"CalendarColor", &Options::calendarColor},
    IntField{"CalendarPos", &Options::calendarCorner},     IntField{"OffsetX", &Options::offsetX},
    IntField{"OffsetY", &Options::offsetY},             BoolField{"ShowToDoList", &Options::showToDoList},
    BoolField{"AutoRun", &Options::startAtLogon},            IntField{"ToDoBackColor", &Options::toDoBackColor},
    IntField{"ToDoTextColor", &Options::toDoTextColor},
};

QString boolText(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

} // namespace

QString OptionsFile::path(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, u"options.ini"_s);
}

bool OptionsFile::parseInt32(const QString &text, std::int32_t *value)
{
    static const QRegularExpression form(u"^-?[0-9]+$"_s);
    if (!form.match(text).hasMatch())
        return false;
    bool ok = false;
    const qlonglong v = text.size() > 20 ? 0 : text.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return false;
    *value = static_cast<std::int32_t>(v);
    return true;
}

bool OptionsFile::parseBool(const QString &text, bool *value)
{
    if (text.compare(u"True"_s, Qt::CaseInsensitive) == 0 || text.compare(u"False"_s, Qt::CaseInsensitive) == 0) {
        *value = text.size() == 4;
        return true;
    }
    // A plain decimal number: zero is False, anything else True.
    static const QRegularExpression number(u"^[-+]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"_s);
    if (!number.match(text).hasMatch())
        return false;
    bool nonZero = false;
    for (QChar c : text)
        nonZero = nonZero || (c.isDigit() && c != u'0');
    *value = nonZero;
    return true;
}

QList<Failure> OptionsFile::load(Options &options, const QString &file)
{
    const Options defaults = Options::defaults();
    QList<Failure> problems;
    Result<std::string> read = ini::readFile(file);
    // NULs are no text in any encoding read: a binary file, or UTF-16 without its mark.
    if (read && read->find('\0') != std::string::npos)
        read = Failure(file, u"%1 is not a text file"_s.arg(file));
    const std::string text = read.value_or({});
    const auto tell = [&problems](const Failure &problem) {
        printError(problem.message());
        problems.append(problem);
    };
    if (!read)
        tell(Failure(read.error().subject(), read.error().reason() + u"; using the standard settings"_s));
    const auto complain = [&](const char *key, const QString &value) {
        tell(Failure(file, u"[general] %1=\"%2\" is not valid; using the default"_s.arg(QLatin1StringView(key), value)));
    };
    for (const Field &f : kFields) {
        if (const auto *i = std::get_if<IntField>(&f)) {
            const QString value =
                ini::lookupString(text, kSection, QLatin1StringView(i->key), QString::number(defaults.*(i->field)));
            std::int32_t v = 0;
            if (!parseInt32(value, &v)) {
                complain(i->key, value);
                v = defaults.*(i->field);
            }
            options.*(i->field) = v;
        } else {
            const auto &b = std::get<BoolField>(f);
            const QString value =
                ini::lookupString(text, kSection, QLatin1StringView(b.key), boolText(defaults.*(b.field)));
            bool v = false;
            if (!parseBool(value, &v)) {
                complain(b.key, value);
                v = defaults.*(b.field);
            }
            options.*(b.field) = v;
        }
    }
    loadAdditions(options, text, complain);
    return problems;
}

void OptionsFile::loadAdditions(Options &options, const std::string &text,
                                 const std::function<void(const char *, const QString &)> &complain)
{
    options.backgroundPicture = ini::lookupString(text, kSection, u"BackgroundPicture"_s, QString());
    const QString style = ini::lookupString(text, kSection, u"BackgroundStyle"_s, u"0"_s);
    std::int32_t v = 0;
    if (!parseInt32(style, &v) || v < 0 || v > kLastBackgroundStyle) {
        complain("BackgroundStyle", style);
        v = 0;
    }
    options.backgroundStyle = v;
    const QString scale = ini::lookupString(text, kSection, u"CalendarScale"_s, u"0"_s);
    if (!parseInt32(scale, &v) || (v != 0 && (v < Options::kMinScale || v > Options::kMaxScale))) {
        complain("CalendarScale", scale);
        v = 0;
    }
    options.calendarScale = v;
    // Each as its number, or the default with a warning.
    const auto choice = [&](const char *key, std::int32_t last) {
        const QString value = ini::lookupString(text, kSection, QLatin1StringView(key), u"0"_s);
        std::int32_t n = 0;
        if (!parseInt32(value, &n) || n < 0 || n > last) {
            complain(key, value);
            n = 0;
        }
        return n;
    };
    options.weekStart = choice("WeekStart", 2);
    options.dateFormat = choice("DateFormat", 1);
}

Result<> OptionsFile::save(const Options &options, const QString &file)
{
    QList<ini::Entry> entries;
    for (const Field &f : kFields) {
        if (const auto *i = std::get_if<IntField>(&f))
            entries.append({kSection, QLatin1StringView(i->key), QString::number(options.*(i->field))});
        else
            entries.append({kSection, QLatin1StringView(std::get<BoolField>(f).key),
                            boolText(options.*(std::get<BoolField>(f).field))});
    }
    // After the nine, and only when they are not the defaults: an empty value removes the key, so
    // a file with the defaults stays as it always was.
    entries.append({kSection, u"BackgroundPicture"_s, options.backgroundPicture});
    entries.append({kSection, u"BackgroundStyle"_s,
                    options.backgroundStyle ? QString::number(options.backgroundStyle) : QString()});
    for (const auto &[key, value] : {std::pair{"CalendarScale", options.calendarScale},
                                     std::pair{"WeekStart", options.weekStart},
                                     std::pair{"DateFormat", options.dateFormat}})
        entries.append({kSection, QLatin1StringView(key), value ? QString::number(value) : QString()});
    return ini::writeStrings(entries, file);
}

} // namespace marvane
