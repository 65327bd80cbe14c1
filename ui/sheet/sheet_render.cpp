#include "ui/sheet/sheet_render.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

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
    return QStringLiteral("<p>%1</p>").arg(lines.join(QStringLiteral("<br/>")));
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

QString CellHtml(const QString& text, bool figure, bool whole, bool strong, int width)
{
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

QString TableHtml(const SheetTable& table)
{
    const auto figure = [&](std::size_t column) {
        return column < table.figures.size() && table.figures[column];
    };
    const auto whole = [&](std::size_t column) {
        return column < table.whole.size() && table.whole[column];
    };
    const auto width = [&](std::size_t column) {
        return column < table.widths.size() ? table.widths[column] : 0;
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
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const bool strong = r + table.strongRows >= table.rows.size();
        html += QStringLiteral("<tr>");
        const QStringList& row = table.rows[r];
        for (std::size_t c = 0; c < static_cast<std::size_t>(row.size()); ++c) {
            html += CellHtml(row[static_cast<qsizetype>(c)], figure(c), whole(c), strong,
                             table.columns.isEmpty() ? width(c) : 0);
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

QString SheetHtml(const SheetDocument& sheet)
{
    QString html =
        QStringLiteral("<html><body><h2 align=\"center\">%1</h2>").arg(Escaped(sheet.title));
    html += HeaderHtml(sheet);
    html += QStringLiteral("<p align=\"right\">编制日期：%1年%2月%3日</p>")
                .arg(sheet.made.year())
                .arg(sheet.made.month())
                .arg(sheet.made.day());
    for (const SheetSection& section : sheet.sections) {
        if (!section.heading.isEmpty()) {
            html += QStringLiteral("<h3>%1</h3>").arg(Escaped(section.heading));
        }
        for (const SheetBlock& block : section.blocks) {
            html += BlockHtml(block);
        }
    }
    html += SignatureHtml(sheet);
    if (!sheet.footnote.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(Escaped(sheet.footnote));
    }
    return html + QStringLiteral("</body></html>");
}

void PaintSheet(const SheetDocument& sheet, QPagedPaintDevice& device)
{
    const QString html = SheetHtml(sheet);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiY());
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    const qreal footer = device.logicalDpiY() * 0.35;  // inches kept for the page line
    for (qreal points : {11.0, 10.5}) {
        document.setDefaultFont(SheetFont(points));
        document.setHtml(html);
        document.setPageSize(QSizeF(page.width(), page.height() - footer));
        if (document.pageCount() == 1) {
            break;
        }
    }
    const int pages = document.pageCount();
    QPainter painter(&device);
    for (int i = 0; i < pages; ++i) {
        if (i > 0) {
            device.newPage();
        }
        const qreal top = i * (page.height() - footer);
        painter.save();
        painter.translate(0, -top);
        document.drawContents(&painter, QRectF(0, top, page.width(), page.height() - footer));
        painter.restore();
        painter.setFont(SheetFont(10.5));
        painter.drawText(QRectF(0, page.height() - footer, page.width(), footer),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("第 %1 页 共 %2 页").arg(i + 1).arg(pages));
    }
}

QByteArray SheetPdf(const SheetDocument& sheet)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(SheetPageLayout(sheet));
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Kelvora " KELVORA_VERSION));
        PaintSheet(sheet, writer);
    }
    return pdf;
}

}  // namespace kelvora::ui
