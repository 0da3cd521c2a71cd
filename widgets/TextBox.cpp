#include "widgets/TextBox.h"

#include <QValidator>

#include <algorithm>

namespace marvane {

// Trims whatever an edit added beyond the allowed length, as a typing limit would have stopped it.
class TextBox::Limit : public QValidator
{
public:
    explicit Limit(TextBox *box) : QValidator(box), m_box(box) {}

    State validate(QString &input, int &pos) const override
    {
        if (m_box->m_settingText)
            return Acceptable;
        const qsizetype allowed = std::max<qsizetype>(m_box->m_limit, m_box->m_accepted);
        const qsizetype excess = input.size() - allowed;
        if (excess <= 0)
            return Acceptable;
        // The inserted characters end at the cursor; drop the last of them.
        if (pos < excess)
            return Invalid;
        input.remove(pos - excess, excess);
        pos -= static_cast<int>(excess);
        return Acceptable;
    }

private:
    TextBox *m_box;
};

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new Limit(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { m_accepted = text.size(); });
}

void TextBox::setTypingLimit(int limit)
{
    m_limit = std::max(0, limit);
}

void TextBox::setText(const QString &text)
{
    m_settingText = true;
    QLineEdit::setText(text);
    m_settingText = false;
    m_accepted = QLineEdit::text().size();
}

} // namespace marvane
