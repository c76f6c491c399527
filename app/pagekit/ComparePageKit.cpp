#include "ComparePageKit.h"

#include "PageTemplate.h"
#include "ui/FormPage.h"

#include <QAbstractButton>
#include <QLabel>

namespace ComparePageKit
{

std::vector<ControlSpec> fileInformationControls(int groupWidth, int groupHeight, unsigned openFile2Style)
{
    using C = ControlSpec;
    constexpr unsigned ReadOnly = C::ReadOnly;
    const int editWidth = groupWidth - 73;
    std::vector<ControlSpec> specs {
        C::group(FileGroup, QStringLiteral("File Information"), 3, 26, groupWidth, groupHeight),
    };
    struct FileRows {
        int button;
        const char* caption;
        unsigned style;
        int tag;
        int date;
        int file;
        int y;
    };
    const FileRows files[] {
        { OpenFile1Button, "1...", 0u, Tag1Edit, Date1Edit, File1Edit, 38 },
        { OpenFile2Button, "2...", openFile2Style, Tag2Edit, Date2Edit, File2Edit, 86 },
    };
    for (const FileRows& f : files) {
        specs.push_back(C::button(f.button, QString::fromLatin1(f.caption), 9, f.y, 20, 12, f.style));
        specs.push_back(C::label(-1, QStringLiteral("Tag Name:"), 33, f.y + 2, 36, 8));
        specs.push_back(C::edit(f.tag, 70, f.y, editWidth, 12, ReadOnly));
        specs.push_back(C::label(-1, QStringLiteral("File Date:"), 33, f.y + 16, 36, 8));
        specs.push_back(C::edit(f.date, 70, f.y + 14, editWidth, 12, ReadOnly));
        specs.push_back(C::label(-1, QStringLiteral("Filename:"), 33, f.y + 30, 36, 8));
        specs.push_back(C::edit(f.file, 70, f.y + 28, editWidth, 12, ReadOnly));
    }
    return specs;
}

std::vector<ControlSpec> plotAndButtons(int plotFrame, int scratchHost, int reportHost, int printerHost,
    unsigned printStyle, int scratchWidth, int scratchHeight)
{
    using C = ControlSpec;
    return {
        C::placeholder(plotFrame, 206, 26, 331, 312),
        C::button(BackButton, QStringLiteral("Back"), 206, 346, 56, 14),
        C::button(PrintButton, QStringLiteral("Print Report"), 481, 346, 56, 14, printStyle),
        C::placeholder(scratchHost, 270, 346, scratchWidth, scratchHeight),
        C::placeholder(reportHost, 284, 346, 10, 10),
        C::placeholder(printerHost, 298, 346, 10, 10),
    };
}

void appendValueRows(std::vector<ControlSpec>& specs, const ValueColumns& columns, int y, int rowStep,
    std::initializer_list<ValueRow> rows)
{
    using C = ControlSpec;
    const int pitch = columns.editWidth + 2;
    for (const ValueRow& row : rows) {
        if (row.label)
            specs.push_back(C::label(-1, QString::fromUtf8(row.label), 9, y + 2, columns.labelWidth, 8));
        int x = columns.firstX;
        for (int edit : { row.first, row.second, row.difference }) {
            if (edit >= 0)
                specs.push_back(C::edit(edit, x, y, columns.editWidth, 11, C::ReadOnly));
            x += pitch;
        }
        if (row.unit || row.unitId >= 0) {
            const QString unit = row.unit ? QString::fromUtf8(row.unit) : QString();
            specs.push_back(C::label(row.unitId, unit, columns.unitX, y + 2, columns.unitWidth, 8));
        }
        y += rowStep;
    }
}

std::vector<ControlSpec> columnCaptions(
    int caption1, int caption2, int x1, int x2, int y, int width, std::optional<int> deltaX)
{
    using C = ControlSpec;
    std::vector<ControlSpec> specs {
        C::label(caption1, QStringLiteral("1"), x1, y, width, 8, C::AlignCenter),
        C::label(caption2, QStringLiteral("2"), x2, y, width, 8, C::AlignCenter),
    };
    if (deltaX) {
        specs.push_back(C::picture(-1, DeltaPicture, *deltaX, y, 8, 8));
        // The differences are file 2 less file 1, as the plots' delta legends
        // and the report's difference column say.
        specs.push_back(C::label(-1, QStringLiteral("(2 - 1)"), *deltaX + 9, y, 24, 8));
    }
    return specs;
}

void boldCaptions(FormPage& page, std::span<const int> captionIds)
{
    for (int id : captionIds) {
        if (auto* label = page.controlAs<QLabel>(id)) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
        }
    }
}

bool isChecked(const FormPage& page, int boxId)
{
    const auto* box = page.controlAs<QAbstractButton>(boxId);
    return box && box->isChecked();
}

void setChecked(FormPage& page, int boxId, bool on)
{
    if (auto* box = page.controlAs<QAbstractButton>(boxId))
        box->setChecked(on);
}

std::vector<int> editIds(const PageTemplate& page)
{
    std::vector<int> ids;
    for (const ControlSpec& spec : page.controls) {
        if (spec.kind == ControlSpec::Kind::Edit)
            ids.push_back(spec.id);
    }
    return ids;
}

void showNoFile(FormPage& page, std::span<const int> edits, std::span<const int> boxes, NoFileBoxes how,
    const std::function<void()>& showEmptyView)
{
    for (int id : edits)
        page.setWindowText(id, QString());
    for (int box : boxes) {
        setChecked(page, box, false);
        if (how == NoFileBoxes::UntickAndEnable)
            page.enableControl(box, true);
    }
    if (showEmptyView)
        showEmptyView();
    page.enableControl(OpenFile2Button, false);
    page.enableControl(PrintButton, false);
}

} // namespace ComparePageKit
