#pragma once

#include <QProxyStyle>

namespace marvane {

// The application's style, except that a drop-down list opens below its box with a row count
// of its own instead of as a menu as tall as the screen (Fusion's way for non-editable lists).
class ShortListStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};

} // namespace marvane
