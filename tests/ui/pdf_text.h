#pragma once
// The text layer of a PDF the program wrote, read back with pdftotext
// (Debian: poppler-utils), every blank removed: what a search or a copy of
// the page would find.

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace kelvora::testing {

// The text of page `page` (from 1), or of every page when 0.
inline QString PdfText(const QString& path, int page = 0)
{
    QStringList arguments{"-enc", "UTF-8"};
    if (page > 0) {
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), arguments << path << "-");
    if (!pdftotext.waitForFinished(20000)) {
        ADD_FAILURE() << "pdftotext did not run (Debian: poppler-utils)";
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .remove(QRegularExpression(QStringLiteral("\\s")));
}

}  // namespace kelvora::testing
