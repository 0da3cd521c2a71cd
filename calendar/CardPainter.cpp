#include "calendar/CardPainter.h"

#include "calendar/CalendarPainter.h"
#include "calendar/DateMath.h"
#include "calendar/ToDoPanelPainter.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdlib>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// The card's layout at 100 %, in units.
constexpr int kPadding = 16;
constexpr int kCell = 44;
constexpr int kRow = 30;
constexpr int kWeekColumn = 30;
constexpr int kTitle = 32;
constexpr int kDateLine = 20;
constexpr int kHeader = 26;
constexpr int kRadius = 14;
constexpr int kGap = 12;
constexpr int kLine = 22;

int cardWidth(const Options &options)
{
    return 2 * kPadding + 7 * kCell + (options.weekNumbers == 1 ? kWeekColumn : 0);
}

int opacityOf(const Options &options)
{
    return options.cardOpacity >= 20 && options.cardOpacity <= 100 ? options.cardOpacity : Options::kStandardOpacity;
}

// Dark text on a light card, light text on a dark one.
QColor textOn(QRgb card)
{
    return qGray(card) >= 140 ? QColor(30, 32, 40) : QColor(246, 246, 248);
}

QColor accentOn(QRgb card)
{
    return qGray(card) >= 140 ? QColor(208, 40, 48) : QColor(255, 122, 122);
}

QFont face(LengthScale scale, double pixels, bool bold = false)
{
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(scale.exact(pixels)))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The part of the card a scaled length from its corner names.
struct CardPlace
{
    QRect box;
    LengthScale scale;

    QRectF at(double x, double y, double w, double h) const
    {
        return QRectF(box.left() + scale.exact(x), box.top() + scale.exact(y), scale.exact(w), scale.exact(h));
    }
};

void paintCard(QPainter &p, const QRect &box, QRgb color, int opacity, LengthScale scale)
{
    QColor fill = QColor::fromRgb(color);
    fill.setAlpha(opacity * 255 / 100);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(box), scale.exact(kRadius), scale.exact(kRadius));
}

void text(QPainter &p, const QRectF &where, const QString &line, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    const QString shown = p.fontMetrics().elidedText(line, Qt::ElideRight, static_cast<int>(where.width()));
    p.drawText(where, flags | Qt::TextSingleLine, shown);
}

// Where the card's parts lie, in units from its corner, and the colours they are painted in.
struct MonthLayout
{
    int firstWeekday;
    int gridLeft;
    int headerTop;
    int gridTop;
    QColor ink;
    QColor accent;
    QColor muted;
};

MonthLayout monthLayout(const Options &options, const Palette &palette, const RenderContext &context)
{
    MonthLayout m{options.weekStart == 1 ? 2 : options.weekStart == 2 ? context.names.firstWeekday() : 1,
                  kPadding + (options.weekNumbers == 1 ? kWeekColumn : 0),
                  kPadding + kTitle + kDateLine + 6,
                  kPadding + kTitle + kDateLine + 6 + kHeader,
                  textOn(palette.calendar),
                  accentOn(palette.calendar),
                  textOn(palette.calendar)};
    m.muted.setAlphaF(0.6f);
    return m;
}

void paintMonthHeading(QPainter &p, const CardPlace &card, const Options &options, const MonthLayout &m,
                       const RenderContext &context, std::int16_t year, std::int16_t month)
{
    const int inner = cardWidth(options) - 2 * kPadding;
    p.setFont(face(card.scale, 20, true));
    p.setPen(m.ink);
    text(p, card.at(kPadding, kPadding, inner, kTitle),
         u"%1 %2"_s.arg(context.names.locale().standaloneMonthName(month), QString::number(year)));
    p.setFont(face(card.scale, 12));
    p.setPen(m.muted);
    text(p, card.at(kPadding, kPadding + kTitle, inner, kDateLine), dateLine(options, context.names, context.clock.today()));
    for (int column = 1; column <= 7; ++column) {
        const int weekday = weekdayInColumn(column, m.firstWeekday);
        p.setPen(weekday == 1 || weekday == 7 ? m.accent : m.muted);
        text(p, card.at(m.gridLeft + (column - 1) * kCell, m.headerTop, kCell, kHeader), context.names.weekday(weekday),
             Qt::AlignCenter);
    }
    if (options.weekNumbers == 1) {
        p.setFont(face(card.scale, 10));
        text(p, card.at(kPadding, m.headerTop, kWeekColumn, kHeader), QCoreApplication::translate("CalendarPainter", "Wk"),
             Qt::AlignCenter);
    }
}

void paintMonthDays(QPainter &p, const CardPlace &card, const Options &options, const MonthLayout &m,
                    const RenderContext &context, std::int16_t year, std::int16_t month)
{
    const QDate today = context.clock.today();
    const bool currentMonth = today.year() == year && today.month() == month;
    const std::uint32_t marked = options.markDays == 1 ? context.daysWithItems : 0;
    int lastRow = 0;
    for (std::int16_t d = 1; d <= daysInMonth(year, month); ++d) {
        const GridPosition cell = cellOf(year, month, d, m.firstWeekday);
        const QRectF where = card.at(m.gridLeft + (cell.column - 1) * kCell, m.gridTop + (cell.row - 1) * kRow, kCell, kRow);
        const int weekday = weekdayInColumn(cell.column, m.firstWeekday);
        const bool isToday = currentMonth && d == today.day();
        const QColor color = isToday ? QColor(Qt::white) : weekday == 1 || weekday == 7 ? m.accent : m.ink;
        if (isToday) {
            p.setPen(Qt::NoPen);
            p.setBrush(m.accent);
            const double r = card.scale.exact(kRow / 2.0 - 2);
            p.drawEllipse(where.center(), r, r);
        }
        p.setFont(face(card.scale, 13, isToday));
        p.setPen(color);
        text(p, where.adjusted(0, 0, 0, -card.scale.exact(3)), QString::number(d), Qt::AlignCenter);
        // A dot under the number, in its colour: white on today's disc.
        if (marked & (1u << d)) {
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            const double r = card.scale.exact(2.2);
            p.drawEllipse(QPointF(where.center().x(), where.bottom() - card.scale.exact(6)), r, r);
        }
        if (options.weekNumbers == 1 && cell.row != lastRow) {
            lastRow = cell.row;
            // The ISO week of the row's Monday, wherever the row starts.
            const QDate monday = QDate(year, month, d).addDays(1 - cell.column).addDays((2 - m.firstWeekday + 7) % 7);
            p.setFont(face(card.scale, 10));
            p.setPen(m.muted);
            text(p, card.at(kPadding, m.gridTop + (cell.row - 1) * kRow, kWeekColumn, kRow),
                 QString::number(monday.weekNumber()), Qt::AlignCenter);
        }
    }
}

int monthCardHeight()
{
    return 2 * kPadding + kTitle + kDateLine + 6 + kHeader + 6 * kRow;
}

} // namespace

QRect calendarCardBox(const Options &options, QSize screen, LengthScale scale)
{
    const int corner = calendarCorner(options);
    const bool right = corner == 1 || corner == 2;
    const bool bottom = corner == 2 || corner == 3;
    const int width = static_cast<int>(scale.length(cardWidth(options)));
    const int height = static_cast<int>(scale.length(monthCardHeight()));
    // The offsets' size is the margin from the corner's edges, whichever way the classic look moved.
    const std::int64_t mx = scale.length(std::abs(std::int64_t{options.offsetX}));
    const std::int64_t my = scale.length(std::abs(std::int64_t{options.offsetY}));
    const std::int64_t x = right ? screen.width() - width - mx : mx;
    const std::int64_t y = bottom ? screen.height() - height - my : my;
    const auto inside = [](std::int64_t v, int room) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::max(room, 0))); };
    return QRect(inside(x, screen.width() - width), inside(y, screen.height() - height), width, height);
}

void paintCards(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                const ToDoStore::Items &items, std::int16_t year, std::int16_t month)
{
    const LengthScale scale = LengthScale::of(options, context.displayScale);
    const QSize screen = canvas.size();
    const QRect calendar = calendarCardBox(options, screen, scale);
    const bool bottom = calendarCorner(options) >= 2;
    canvas.paintSmooth([&](QPainter &p) {
        paintCard(p, calendar, palette.calendar, opacityOf(options), scale);
        const MonthLayout layout = monthLayout(options, palette, context);
        paintMonthHeading(p, CardPlace{calendar, scale}, options, layout, context, year, month);
        paintMonthDays(p, CardPlace{calendar, scale}, options, layout, context, year, month);
        if (!options.showToDoList)
            return;
        // As many lines as the screen leaves room for beside the calendar card.
        QList<PanelLine> lines = agendaLines(items, context.daysAhead, context.events, context.clock.today(), context.names);
        const int gap = static_cast<int>(scale.length(kGap));
        const int room = bottom ? calendar.top() - gap : screen.height() - calendar.bottom() - 1 - gap;
        const int fits = std::max(0, static_cast<int>((room - scale.exact(2 * kPadding + kLine)) / scale.exact(kLine)));
        if (lines.size() > fits) {
            const qsizetype left = lines.size() - std::max(fits - 1, 0);
            lines = lines.mid(0, std::max(fits - 1, 0));
            if (fits > 0)
                lines.append({QCoreApplication::translate("ToDoPanelPainter", "+%1 more").arg(left), PanelLine::More});
        }
        const int height = static_cast<int>(scale.length(2 * kPadding + kLine * (1 + lines.size())));
        const QRect panel(calendar.left(), bottom ? calendar.top() - gap - height : calendar.bottom() + 1 + gap,
                          calendar.width(), height);
        paintCard(p, panel, palette.toDoBack, opacityOf(options), scale);
        const CardPlace place{panel, scale};
        const int inner = cardWidth(options) - 2 * kPadding;
        p.setPen(QColor::fromRgb(palette.toDoText));
        p.setFont(face(scale, 13, true));
        text(p, place.at(kPadding, kPadding, inner, kLine), QCoreApplication::translate("ToDoPanelPainter", "To Do List:"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            p.setFont(face(scale, 12, lines[i].kind == PanelLine::Heading));
            p.setPen(QColor::fromRgb(lines[i].kind == PanelLine::Event ? palette.event : palette.toDoText));
            text(p, place.at(kPadding, kPadding + kLine * (i + 1), inner, kLine), lines[i].text);
        }
    });
}

} // namespace marvane
