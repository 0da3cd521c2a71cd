#include "Module1.h"

#include "AppPaths.h"
#include "Module2.h"

#include <QRegularExpression>

#include <cstdio>
#include <limits>
#include <variant>

namespace marvane::Module1 {

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
    IntField{"DesktopColor", &Options::DesktopColor},   IntField{"CalendarColor", &Options::CalendarColor},
    IntField{"CalendarPos", &Options::CalendarPos},     IntField{"OffsetX", &Options::OffsetX},
    IntField{"OffsetY", &Options::OffsetY},             BoolField{"ShowToDoList", &Options::ShowToDoList},
    BoolField{"AutoRun", &Options::AutoRun},            IntField{"ToDoBackColor", &Options::ToDoBackColor},
    IntField{"ToDoTextColor", &Options::ToDoTextColor},
};

QString boolText(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

} // namespace

QString optionsFile(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, u"options.ini"_s);
}

bool parseInt32(const QString &text, std::int32_t *value)
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

bool parseBool(const QString &text, bool *value)
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

void LoadOptions(Options &options, const QString &file, QStringList *problems)
{
    const Options defaults = Options::defaults();
    const auto complain = [&](const char *key, const QString &text) {
        const QString line = u"%1: [general] %2=\"%3\" is not valid; using the default"_s.arg(
            file, QLatin1StringView(key), text);
        std::fprintf(stderr, "pendrel: %s\n", qPrintable(line));
        if (problems)
            problems->append(line);
    };
    for (const Field &f : kFields) {
        if (const auto *i = std::get_if<IntField>(&f)) {
            const QString text = Module2::ReadIniString(kSection, QLatin1StringView(i->key),
                                                        QString::number(defaults.*(i->field)), file);
            std::int32_t v = 0;
            if (!parseInt32(text, &v)) {
                complain(i->key, text);
                v = defaults.*(i->field);
            }
            options.*(i->field) = v;
        } else {
            const auto &b = std::get<BoolField>(f);
            const QString text =
                Module2::ReadIniString(kSection, QLatin1StringView(b.key), boolText(defaults.*(b.field)), file);
            bool v = false;
            if (!parseBool(text, &v)) {
                complain(b.key, text);
                v = defaults.*(b.field);
            }
            options.*(b.field) = v;
        }
    }
}

WriteResult SaveOptions(const Options &options, const QString &file)
{
    WriteResult first;
    for (const Field &f : kFields) {
        WriteResult r;
        if (const auto *i = std::get_if<IntField>(&f))
            r = Module2::WriteIniString(kSection, QLatin1StringView(i->key), QString::number(options.*(i->field)),
                                        file);
        else
            r = Module2::WriteIniString(kSection, QLatin1StringView(std::get<BoolField>(f).key),
                                        boolText(options.*(std::get<BoolField>(f).field)), file);
        if (!r && first)
            first = r;
    }
    return first;
}

} // namespace marvane::Module1
