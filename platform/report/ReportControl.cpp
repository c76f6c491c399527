#include "ReportControl.h"

#include "AtomicFile.h"
#include "ReportLayout.h"
#include "ReportPainter.h"
#include "automation/ComError.h"
#include "ui/ControlRegistry.h"

#include <QBuffer>
#include <QPdfWriter>

const QString ReportControl::ProgId = QStringLiteral("ReportLib.Report.1");

namespace
{
const ControlRegistration registration(
    ReportControl::ProgId, [](QWidget* parent) { return new ReportControl(parent); });
}

ReportControl::ReportControl(QWidget* parent)
    : QWidget(parent)
{
}

ReportControl::~ReportControl() = default;

void ReportControl::LoadReport(const QString& path, const QString& reportName)
{
    delete m_sections;
    m_sections = nullptr;
    m_definition.reset();
    auto definition = std::make_unique<ReportDefinition>(ReportDefinition::load(path, reportName));
    m_sections = new ReportSections(*definition, this);
    m_definition = std::move(definition);
}

IReportSectionsPtr ReportControl::Sections() const
{
    definition();
    return IReportSectionsPtr(m_sections);
}

const ReportDefinition& ReportControl::definition() const
{
    if (!m_definition)
        throw ComError(ComError::Failure, QStringLiteral("No report is loaded"));
    return *m_definition;
}

ReportDocument ReportControl::layoutDocument() const
{
    return ReportLayout::layout(definition());
}

void ReportControl::RenderToFile(const QString& path, int format)
{
    if (format != FormatPdf)
        throw ComError(ComError::InvalidArgument, QStringLiteral("Unknown render format %1").arg(format));
    const ReportDocument document = layoutDocument();
    // Rendered in memory first: the PDF writer does not report short writes.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1440);
        writer.setCreator(QStringLiteral("Strokewise"));
        writer.setTitle(document.title);
        writer.setPageLayout(document.pageLayout());
        ReportPainter::paint(document, writer);
    }
    AtomicFile::write(path, buffer.data());
}

void ReportControl::Render(const IPrinterPtr& printer) const
{
    ReportDocument document = layoutDocument();
    printer->setDocument(std::move(document));
}
