#include "settings/OptionsFile.h"

#include "platform/AppPaths.h"
#include "platform/StandardError.h"
#include "ini/IniStrings.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <limits>
#include <array>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

const QString kSection = u"general"_s;

// One key of [general]: the field it fills, and for the keys after the nine, which are written
// only when not 0 (so a file with their defaults stays as it always was), the range besides 0.
struct Key
{
    const char *name;
    std::int32_t Options::*number = nullptr;
    bool Options::*truth = nullptr;
    QString Options::*text = nullptr;
    bool added = false;
    std::int32_t first = 0;
    std::int32_t last = 0;
    // What a missing key means in a language other than US English or C: "as the language".
    std::int32_t asLanguage = 0;
};

// The keys in the order they are read and written.
const std::array<Key, 21> kKeys = {{
    {"DesktopColor", &Options::desktopColor},
    {"CalendarColor", &Options::calendarColor},
    {"CalendarPos", &Options::calendarCorner},
    {"OffsetX", &Options::offsetX},
    {"OffsetY", &Options::offsetY},
    {"ShowToDoList", nullptr, &Options::showToDoList},
    {"AutoRun", nullptr, &Options::startAtLogon},
    {"ToDoBackColor", &Options::toDoBackColor},
    {"ToDoTextColor", &Options::toDoTextColor},
    {"BackgroundPicture", nullptr, nullptr, &Options::backgroundPicture, true},
    {"BackgroundStyle", &Options::backgroundStyle, nullptr, nullptr, true, 0, OptionsFile::kLastBackgroundStyle},
    {"CalendarScale", &Options::calendarScale, nullptr, nullptr, true, Options::kMinScale, Options::kMaxScale},
    {"WeekStart", &Options::weekStart, nullptr, nullptr, true, 0, 2, 2},
    {"DateFormat", &Options::dateFormat, nullptr, nullptr, true, 0, 1, 1},
    {"MarkDays", &Options::markDays, nullptr, nullptr, true, 0, 1},
    {"AgendaDays", &Options::agendaDays, nullptr, nullptr, true, 1, 14},
    {"WeekNumbers", &Options::weekNumbers, nullptr, nullptr, true, 0, 1},
    {"Look", &Options::look, nullptr, nullptr, true, 0, 1},
    {"CardOpacity", &Options::cardOpacity, nullptr, nullptr, true, 20, 100},
    {"Calendars", nullptr, nullptr, &Options::calendars, true},
    {"EventColor", &Options::eventColor, nullptr, nullptr, true, 1, 0x00FFFFFF},
}};

// A missing key's value: in US English and C the standard one, so every picture stays as it was;
// in any other language the dates follow it.
std::int32_t missingValue(const Key &key, std::int32_t standard)
{
    const QLocale locale;
    const bool plain = locale.language() == QLocale::C ||
                       (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates);
    return plain || !key.asLanguage ? standard : key.asLanguage;
}

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
        read = fail(file, u"%1 is not a text file"_s.arg(file));
    const std::string_view text = read ? read->view() : std::string_view();
    const auto tell = [&problems](const Failure &problem) {
        printError(problem.message());
        problems.append(problem);
    };
    if (!read)
        tell(Failure(read.error().subject(), read.error().reason() + u"; using the standard settings"_s));
    for (const Key &key : kKeys) {
        const QLatin1StringView name(key.name);
        if (key.text) {
            options.*key.text = ini::lookupString(text, kSection, name, QString());
            continue;
        }
        const QString fallback =
            key.truth ? boolText(defaults.*key.truth) : QString::number(missingValue(key, defaults.*key.number));
        const QString value = ini::lookupString(text, kSection, name, fallback);
        bool valid = true;
        if (key.truth) {
            const std::optional<bool> v = parseBool(value);
            valid = v.has_value();
            options.*key.truth = v.value_or(defaults.*key.truth);
        } else {
            const std::optional<std::int32_t> v = parseInt32(value);
            valid = v && (!key.added || *v == 0 || (*v >= key.first && *v <= key.last));
            options.*key.number = valid ? *v : defaults.*key.number;
        }
        if (!valid)
            tell(Failure(file, u"[general] %1=\"%2\" is not valid; using the default"_s.arg(name, value)));
    }
    return problems;
}

Result<> OptionsFile::save(const Options &options, const QString &file)
{
    QList<ini::Entry> entries;
    for (const Key &key : kKeys) {
        // A line of options.ini cannot hold a line break: stored, the name would show another file.
        if (key.text && (options.*key.text).contains(QRegularExpression(u"[\r\n]"_s)))
            return fail(file, u"cannot save %1: the name \"%2\" holds a line break, which it cannot store"_s
                                  .arg(file, QString(options.*key.text).replace(u'\n', u' ').replace(u'\r', u' ')));
        // An empty value removes the key.
        const QString value = key.text    ? options.*key.text
                              : key.truth ? boolText(options.*key.truth)
                              : key.added && options.*key.number == missingValue(key, 0) ? QString()
                                                                       : QString::number(options.*key.number);
        entries.append({kSection, QLatin1StringView(key.name), value});
    }
    return ini::writeStrings(entries, file);
}

} // namespace marvane
