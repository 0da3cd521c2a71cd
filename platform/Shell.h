#pragma once

#include <QUrl>

#include <functional>

namespace marvane {

// Opens a document or an address with the user's default program for it.
using UrlOpener = std::function<bool(const QUrl &url)>;

namespace Shell {

bool open(const QUrl &url);

} // namespace Shell
} // namespace marvane
