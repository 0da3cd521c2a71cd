#pragma once

#include <QLineEdit>

namespace marvane {

// A one-line text box whose length limit stops typing and pasting only. QLineEdit's own
// maxLength also cuts text set by the program, which would lose a longer stored value the
// moment it is shown; here such a text is shown whole and can be shortened but not lengthened.
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget *parent = nullptr);

    void setTypingLimit(int limit);

    // Hides QLineEdit::setText so that text from the program is never cut.
    void setText(const QString &text);

private:
    class Limit;
    friend class Limit;

    int m_limit = 32767;
    qsizetype m_accepted = 0; // length of the text before the edit being checked
    bool m_settingText = false;
};

} // namespace marvane
