#include "settings/OptionsFile.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"
#include "ini/IniStrings.h"

#include <QRegularExpression>

#include <algorithm>
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

std::optional<std::int32_t> OptionsFile::parseInt32(const QString &text)
{
    static const QRegularExpression form(u"^-?[0-9]+$"_s);
    if (!form.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong v = text.size() > 20 ? 0 : text.toLongLong(&ok);
    if (!ok || v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::optional<bool> OptionsFile::parseBool(const QString &text)
{
    if (text.compare(u"True"_s, Qt::CaseInsensitive) == 0 ||
        text.compare(u"False"_s, Qt::CaseInsensitive) == 0)
        return text.size() == 4;
    // A plain decimal number: zero is False, anything else True.
    static const QRegularExpression number(u"^[-+]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"_s);
    if (!number.match(text).hasMatch())
        return std::nullopt;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit() && c != u'0'; });
}

QList<Failure> OptionsFile::load(Options &options, const QString &file)
{
    const Options defaults = Options::defaults();
    QList<Failure> problems;
    Result<FileContents> read = ini::readFile(file);
    // NULs are no text in any encoding read: a binary file, or UTF-16 without its mark.
    if (read && read->view().find('\0') != std::string_view::npos)
        read = Failure(file, u"%1 is not a text file"_s.arg(file));
    const std::string_view text = read ? read->view() : std::string_view();
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
            const std::optional<std::int32_t> v = parseInt32(value);
            if (!v)
                complain(i->key, value);
            options.*(i->field) = v.value_or(defaults.*(i->field));
        } else {
            const auto &b = std::get<BoolField>(f);
            const QString value =
                ini::lookupString(text, kSection, QLatin1StringView(b.key), boolText(defaults.*(b.field)));
            const std::optional<bool> v = parseBool(value);
            if (!v)
                complain(b.key, value);
            options.*(b.field) = v.value_or(defaults.*(b.field));
        }
    }
    loadAdditions(options, text, complain);
    return problems;
}

void OptionsFile::loadAdditions(Options &options, std::string_view text,
                                 const std::function<void(const char *, const QString &)> &complain)
{
    options.backgroundPicture = ini::lookupString(text, kSection, u"BackgroundPicture"_s, QString());
    // Each as its number, or 0 with a warning.
    const auto number = [&](const char *key, std::int32_t first, std::int32_t last) -> std::int32_t {
        const QString value = ini::lookupString(text, kSection, QLatin1StringView(key), u"0"_s);
        const std::optional<std::int32_t> n = parseInt32(value);
        if (n && (*n == 0 || (*n >= first && *n <= last)))
            return *n;
        complain(key, value);
        return 0;
    };
    options.backgroundStyle = number("BackgroundStyle", 0, kLastBackgroundStyle);
    options.calendarScale = number("CalendarScale", Options::kMinScale, Options::kMaxScale);
    options.weekStart = number("WeekStart", 0, 2);
    options.dateFormat = number("DateFormat", 0, 1);
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
