#pragma once

#include "ReportDefinition.h"

#include <QPageLayout>
#include <QSize>
#include <QStringList>

#include <vector>

// A report laid out on pages: every item where it prints, in page twips
// (from the paper's top left corner), with its final text. What the PDF and
// the printer draw, and what the printer control keeps between Render and
// PrintDocument.
struct ReportPageItem {
    ReportItemKind kind = ReportItemKind::Text;
    QString key;
    QRect rect; // a line runs from topLeft to bottomRight
    QString text;
    ReportFont font;
    ReportAlign align = ReportAlign::Left;
    bool singleLine = false;
    int lineWidth = 15;
    QImage picture;
};

struct ReportPage {
    std::vector<ReportPageItem> items;
};

struct ReportDocument {
    QString title;
    QSize pageSize; // twips
    std::vector<ReportPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // The paper, with no margins of its own: the definition's margins place
    // everything, from the paper's top left corner.
    QPageLayout pageLayout() const;
    // The texts of one page (0-based) in print order; empty ones left out.
    QStringList texts(int page) const;
    // The first item with that key on any page, or nullptr.
    const ReportPageItem* find(const QString& key, int* page = nullptr) const&;
    // The item would die with a document that is itself about to go.
    const ReportPageItem* find(const QString& key, int* page = nullptr) const&& = delete;
};
