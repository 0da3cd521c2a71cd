#pragma once

#include "ini/IniStrings.h"
#include "todo/ToDoStore.h"

namespace marvane::test {

// One value as the program reads it, from a fresh read of the file.
inline QString readString(const QString &section, const QString &key, const QString &defaultValue, const QString &file)
{
    const Result<FileContents> text = ini::readFile(file);
    return ini::lookupString(text ? text->view() : std::string_view(), section, key, defaultValue);
}

inline Result<> writeString(const QString &section, const QString &key, const QString &value, const QString &file)
{
    return ini::writeStrings({ini::Entry{section, key, value}}, file);
}

// Item n (1..12) of a date, and that item changed with the date's others kept.
inline QString storedItem(const ToDoStore &store, const QString &dateKey, int n)
{
    return store.items(dateKey)[static_cast<std::size_t>(n - 1)];
}

inline Result<> storeItem(const ToDoStore &store, const QString &dateKey, int n, const QString &text)
{
    ToDoStore::Items items = store.items(dateKey);
    items[static_cast<std::size_t>(n - 1)] = text;
    return store.setItems(dateKey, items);
}

} // namespace marvane::test
