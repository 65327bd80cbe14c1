#include "ui/sheet/sheet_render.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdint>
#include <optional>

namespace kelvora::ui {
namespace {

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// A piece that is not broken across lines.
QString Whole(const QString& text, bool strong = false)
{
    const QString span =
        QStringLiteral("<span style=\"white-space:nowrap\">%1</span>").arg(Escaped(text));
    return strong ? QStringLiteral("<b>%1</b>").arg(span) : span;
}

QString LinesHtml(const SheetLines& block)
{
    QStringList lines;
    for (const auto& line : block.lines) {
        QStringList runs;
        for (const SheetRun& run : line) {
            runs << Whole(run.text, run.strong);
        }
        const QString indent =
            block.indented && !lines.isEmpty() ? QStringLiteral("　　") : QString();
        lines << indent + runs.join(QStringLiteral("　"));
    }
    return QStringLiteral("<p%1>%2</p>")
        .arg(block.right ? QStringLiteral(" align=\"right\"") : QString(),
             lines.join(QStringLiteral("<br/>")));
}

QString TextHtml(const SheetText& block)
{
    QStringList lines;
    if (!block.title.isEmpty()) {
        lines << QStringLiteral("<b>%1</b>").arg(Escaped(block.title));
    }
    for (const QString& line : block.lines) {
        lines << Escaped(line);
    }
    return QStringLiteral("<p>%1</p>").arg(lines.join(QStringLiteral("<br/>")));
}

// A cell longer than this is cut on a sheet, with a mark saying so.
constexpr qsizetype kCellCharacters = 400;

QString CellHtml(QString text, bool figure, bool whole, bool strong, int width)
{
    if (text.size() > kCellCharacters) {
        text = text.left(kCellCharacters) +
               QStringLiteral("……（此单元格共 %1 字，以下从略）").arg(text.size());
    }
    QString attributes;
    if (width > 0) {
        attributes += QStringLiteral(" width=\"%1%\"").arg(width);
    }
    if (figure) {
        attributes += QStringLiteral(" align=\"right\"");
    }
    // Qt keeps a block, not a span, from breaking: a figure or an amount in
    // words stands in a block of its own.
    QString body =
        figure || whole
            ? QStringLiteral("<div style=\"white-space:nowrap\">%1</div>").arg(Escaped(text))
            : Escaped(text);
    if (strong) {
        body = QStringLiteral("<b>%1</b>").arg(body);
    }
    return QStringLiteral("<td%1>%2</td>").arg(attributes, body);
}

// The table's rows [first, last) (all of them by default); `widths` in
// percent replaces the table's own where given.
QString TableHtml(const SheetTable& table, std::size_t first = 0, std::size_t last = SIZE_MAX,
                  const std::vector<int>* widths = nullptr)
{
    const auto figure = [&](std::size_t column) {
        return column < table.figures.size() && table.figures[column];
    };
    const auto whole = [&](std::size_t column) {
        return column < table.whole.size() && table.whole[column];
    };
    const std::vector<int>& columnWidths = widths != nullptr ? *widths : table.widths;
    const auto width = [&](std::size_t column) {
        return column < columnWidths.size() ? columnWidths[column] : 0;
    };
    QString html = table.grid ? QStringLiteral(
                                    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                    "width=\"100%\">")
                              : QStringLiteral("<table width=\"100%\" cellpadding=\"2\">");
    if (!table.columns.isEmpty()) {
        // a head row of its own is repeated at the top of every page
        html += QStringLiteral("<thead><tr>");
        for (std::size_t c = 0; c < static_cast<std::size_t>(table.columns.size()); ++c) {
            html +=
                CellHtml(table.columns[static_cast<qsizetype>(c)], false, false, true, width(c));
        }
        html += QStringLiteral("</tr></thead>");
    }
    for (std::size_t r = first; r < std::min(last, table.rows.size()); ++r) {
        const bool strong = r + table.strongRows >= table.rows.size();
        html += QStringLiteral("<tr>");
        const QStringList& row = table.rows[r];
        for (std::size_t c = 0; c < static_cast<std::size_t>(row.size()); ++c) {
            html += CellHtml(row[static_cast<qsizetype>(c)], figure(c), whole(c), strong,
                             table.columns.isEmpty() || widths != nullptr ? width(c) : 0);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString BlockHtml(const SheetBlock& block)
{
    if (const auto* lines = std::get_if<SheetLines>(&block)) {
        return LinesHtml(*lines);
    }
    if (const auto* text = std::get_if<SheetText>(&block)) {
        return TextHtml(*text);
    }
    return TableHtml(std::get<SheetTable>(block));
}

// The header's fields that are filled, two to a row.
QString HeaderHtml(const SheetDocument& sheet)
{
    SheetTable fields;
    fields.grid = false;
    fields.widths = {50, 50};
    QStringList cells;
    for (const SheetHeaderField& field : kSheetHeaderFields) {
        const QString value = (sheet.header.*field.value).trimmed();
        const bool lot = field.value == &SheetHeader::lot;
        if (field.signs || value.isEmpty() || (lot && !sheet.lotInHeader)) {
            continue;
        }
        cells << QString::fromUtf8(field.name) + QStringLiteral("：") + value;
    }
    if (cells.isEmpty()) {
        return {};
    }
    for (qsizetype i = 0; i < cells.size(); i += 2) {
        fields.rows.push_back({cells[i], i + 1 < cells.size() ? cells[i + 1] : QString()});
    }
    return TableHtml(fields);
}

QString SignatureHtml(const SheetDocument& sheet)
{
    const QString blank = QStringLiteral("＿＿＿＿＿＿");
    QString html = QStringLiteral("<p>&nbsp;</p><table width=\"100%\" cellpadding=\"4\"><tr>");
    const auto sign = [&](const QString& role, const QString& name) {
        html += QStringLiteral("<td>%1</td>")
                    .arg(Whole(role + QStringLiteral("：") +
                               (name.trimmed().isEmpty() ? blank : name.trimmed())));
    };
    for (const SheetHeaderField& field : kSheetHeaderFields) {
        if (field.signs) {
            sign(QString::fromUtf8(field.name), sheet.header.*field.value);
        }
    }
    sign(QStringLiteral("日期"), {});
    return html + QStringLiteral("</tr></table>");
}

}  // namespace

// In the Noto CJK faces the Kangxi radicals share glyphs with common
// characters (工, 人, 大), and Qt's PDF writer would then give the radicals to
// a search or a copy: the faces that map back right come first.
QFont SheetFont(qreal points)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"SimSun", "宋体", "AR PL UMing CN", "WenQuanYi Zen Hei",
                               "Noto Serif CJK SC", "Noto Sans CJK SC"}) {
        const QString name = QString::fromUtf8(family);
        if (installed.contains(name, Qt::CaseInsensitive)) {
            QFont font(name);
            font.setPointSizeF(points);
            return font;
        }
    }
    QFont font;
    font.setPointSizeF(points);
    return font;
}

QPageLayout SheetPageLayout(const SheetDocument& sheet)
{
    if (sheet.landscape) {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                           QMarginsF(12, 12, 12, 10), QPageLayout::Millimeter);
    }
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 15),
                       QPageLayout::Millimeter);
}

namespace {

// Where a table too long to lay out in one go stands: section and block.
struct Place {
    std::size_t section, block;
};

constexpr std::size_t kPagedRows = 200;

// The first table with more rows than `rows` and, where `headed`, a head row.
std::optional<Place> TableOver(const SheetDocument& sheet, std::size_t rows, bool headed)
{
    for (std::size_t s = 0; s < sheet.sections.size(); ++s) {
        for (std::size_t b = 0; b < sheet.sections[s].blocks.size(); ++b) {
            const auto* table = std::get_if<SheetTable>(&sheet.sections[s].blocks[b]);
            if (table != nullptr && table->rows.size() > rows &&
                (!headed || !table->columns.isEmpty())) {
                return Place{s, b};
            }
        }
    }
    return std::nullopt;
}

std::optional<Place> LongTable(const SheetDocument& sheet)
{
    return TableOver(sheet, kPagedRows, false);
}

// The sheet's HTML before `until` (all of it when none), and after it.
QString HeadHtml(const SheetDocument& sheet, std::optional<Place> until)
{
    QString html = QStringLiteral("<h2 align=\"center\">%1</h2>").arg(Escaped(sheet.title)) +
                   HeaderHtml(sheet);
    if (sheet.madeAtHead) {
        html += QStringLiteral("<p align=\"right\">编制日期：%1年%2月%3日</p>")
                    .arg(sheet.made.year())
                    .arg(sheet.made.month())
                    .arg(sheet.made.day());
    }
    for (std::size_t s = 0; s < sheet.sections.size(); ++s) {
        if (until && s > until->section) {
            break;
        }
        const SheetSection& section = sheet.sections[s];
        if (!section.heading.isEmpty()) {
            html += QStringLiteral("<h3>%1</h3>").arg(Escaped(section.heading));
        }
        for (std::size_t b = 0; b < section.blocks.size(); ++b) {
            if (until && s == until->section && b == until->block) {
                return html;
            }
            html += BlockHtml(section.blocks[b]);
        }
    }
    return html;
}

QString TailHtml(const SheetDocument& sheet, std::optional<Place> after)
{
    QString html;
    if (after) {
        for (std::size_t s = after->section; s < sheet.sections.size(); ++s) {
            const SheetSection& section = sheet.sections[s];
            if (s > after->section && !section.heading.isEmpty()) {
                html += QStringLiteral("<h3>%1</h3>").arg(Escaped(section.heading));
            }
            for (std::size_t b = s == after->section ? after->block + 1 : 0;
                 b < section.blocks.size(); ++b) {
                html += BlockHtml(section.blocks[b]);
            }
        }
    }
    if (sheet.signLines) {
        html += SignatureHtml(sheet);
    }
    if (!sheet.footnote.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(Escaped(sheet.footnote));
    }
    return html;
}

QString Body(const QString& html)
{
    return QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>");
}

// The columns of a long table in fixed shares of the page, from the widths
// of their texts, so that every page draws them alike.
std::vector<int> FixedWidths(const SheetTable& table)
{
    const std::size_t count = static_cast<std::size_t>(table.columns.size());
    std::vector<double> wide(count, 2);
    const auto measure = [&](const QStringList& row) {
        for (std::size_t c = 0; c < count && c < static_cast<std::size_t>(row.size()); ++c) {
            double width = 0;
            for (const QChar ch : row[static_cast<qsizetype>(c)]) {
                width += ch.unicode() >= 0x2E80 ? 2 : 1;
            }
            wide[c] = std::max(wide[c], std::min(width, 40.0));
        }
    };
    measure(table.columns);
    for (std::size_t r = 0; r < table.rows.size();
         r += std::max<std::size_t>(1, table.rows.size() / 2000)) {
        measure(table.rows[r]);
    }
    measure(table.rows.back());
    double sum = 0;
    for (double& width : wide) {
        width += 2;  // the cell's padding and rules
        sum += width;
    }
    std::vector<int> percent;
    for (double width : wide) {
        percent.push_back(std::max(1, static_cast<int>(width * 100 / sum)));
    }
    return percent;
}

// A document laid out for one page of the device.
class PageLayout {
public:
    PageLayout(QPagedPaintDevice& device, qreal points) : m_device(device)
    {
        const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiY());
        m_footer = device.logicalDpiY() * 0.35;  // inches kept for the page line
        m_size = QSizeF(page.width(), page.height() - m_footer);
        m_document.documentLayout()->setPaintDevice(&device);
        m_document.setDefaultFont(SheetFont(points));
    }

    // Lays `html` out; the pages it takes.
    int Pages(const QString& html)
    {
        m_document.setHtml(html);
        m_document.setPageSize(m_size);
        return m_document.pageCount();
    }

    // Paints page `index` of what was laid out last as page `number` of `count`.
    void Paint(QPainter& painter, int index, int number, int count)
    {
        const qreal top = index * m_size.height();
        painter.save();
        painter.translate(0, -top);
        m_document.drawContents(&painter, QRectF(0, top, m_size.width(), m_size.height()));
        painter.restore();
        painter.setFont(SheetFont(10.5));
        painter.drawText(QRectF(0, m_size.height(), m_size.width(), m_footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(number).arg(count));
    }

private:
    QPagedPaintDevice& m_device;
    QTextDocument m_document;
    QSizeF m_size;
    qreal m_footer = 0;
};

// A sheet with a long table, page by page: each page is laid out on its own
// (the head on the first, the column heads on every one, the rest after the
// last row), so the time grows with the rows, and it can be stopped.
bool PaintPaged(const SheetDocument& sheet, Place place, QPagedPaintDevice& device,
                QPainter& painter, const SheetProgress& progress)
{
    const auto& table = std::get<SheetTable>(sheet.sections[place.section].blocks[place.block]);
    const std::vector<int> widths = table.widths.empty() ? FixedWidths(table) : table.widths;
    const QString head = HeadHtml(sheet, place);
    const QString tail = TailHtml(sheet, place);
    PageLayout layout(device, 10.5);
    const auto page = [&](bool first, std::size_t from, std::size_t to, bool last) {
        return Body((first ? head : QString()) + TableHtml(table, from, to, &widths) +
                    (last ? tail : QString()));
    };
    // Where each page's rows end, the tail on a page of its own if it fits on no other.
    std::vector<std::size_t> ends;
    const std::size_t rows = table.rows.size();
    std::size_t guess = 30;
    bool tailAlone = false;
    for (std::size_t from = 0; from < rows;) {
        const bool first = from == 0;
        std::size_t to = std::min(rows, from + guess);
        if (layout.Pages(page(first, from, to, false)) == 1) {
            const std::size_t step = std::max<std::size_t>(1, guess / 8);
            while (to < rows &&
                   layout.Pages(page(first, from, std::min(rows, to + step), false)) == 1) {
                to = std::min(rows, to + step);
            }
        } else {
            while (to > from + 1 && layout.Pages(page(first, from, to, false)) > 1) {
                --to;
            }
        }
        guess = std::max<std::size_t>(first ? guess : to - from, 1);
        ends.push_back(to);
        from = to;
        if (progress && !progress(static_cast<int>(from / 2), static_cast<int>(rows))) {
            return false;
        }
    }
    const std::size_t lastFrom = ends.size() > 1 ? ends[ends.size() - 2] : 0;
    tailAlone = layout.Pages(page(ends.size() == 1, lastFrom, rows, true)) > 1;
    const int count = static_cast<int>(ends.size()) + (tailAlone ? 1 : 0);
    std::size_t from = 0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        const bool last = i + 1 == ends.size() && !tailAlone;
        layout.Pages(page(i == 0, from, ends[i], last));
        layout.Paint(painter, 0, static_cast<int>(i) + 1, count);
        from = ends[i];
        if (progress && !progress(static_cast<int>((rows + from) / 2), static_cast<int>(rows))) {
            return false;
        }
    }
    if (tailAlone) {
        device.newPage();
        layout.Pages(Body(tail));
        layout.Paint(painter, 0, count, count);
    }
    return true;
}

}  // namespace

QString SheetHtml(const SheetDocument& sheet)
{
    return Body(HeadHtml(sheet, std::nullopt) + TailHtml(sheet, std::nullopt));
}

namespace {

// One document from the device's current page on.
bool PaintOne(const SheetDocument& sheet, QPagedPaintDevice& device, QPainter& painter,
              const SheetProgress& progress)
{
    if (const auto place = LongTable(sheet)) {
        return PaintPaged(sheet, *place, device, painter, progress);
    }
    const QString html = SheetHtml(sheet);
    std::optional<PageLayout> layout;
    int pages = 0;
    for (qreal points : {11.0, 10.5}) {
        layout.emplace(device, points);
        pages = layout->Pages(html);
        if (pages == 1) {
            break;
        }
    }
    // a table of lots over pages is laid out page by page: each row whole on
    // one page, its column heads on every page
    if (const auto place = TableOver(sheet, 1, true); pages > 1 && place) {
        return PaintPaged(sheet, *place, device, painter, progress);
    }
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            device.newPage();
        }
        layout->Paint(painter, i, i + 1, pages);
    }
    return true;
}

}  // namespace

bool PaintSheet(const SheetDocument& sheet, QPagedPaintDevice& device,
                const SheetProgress& progress)
{
    // one painter for every document: a PDF ends with the painter that drew it
    QPainter painter(&device);
    if (!PaintOne(sheet, device, painter, progress)) {
        return false;
    }
    // documents one after another (notices): counted as documents, the first among them
    const int documents = static_cast<int>(sheet.following.size()) + 1;
    for (std::size_t i = 0; i < sheet.following.size(); ++i) {
        device.newPage();
        if (!PaintOne(sheet.following[i], device, painter, progress) ||
            (progress && !progress(static_cast<int>(i) + 2, documents))) {
            return false;
        }
    }
    return true;
}

std::optional<QByteArray> SheetPdf(const SheetDocument& sheet, const SheetProgress& progress)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    bool whole = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(SheetPageLayout(sheet));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        whole = PaintSheet(sheet, writer, progress);
    }
    return whole ? std::optional(pdf) : std::nullopt;
}

}  // namespace kelvora::ui
