#pragma once

#include "AppLog.h"
#include "CompareBoxGrid.h"
#include "ComparePageControls.h"
#include "ComparePageKit.h"
#include "DeviceData.h"
#include "ReportHeaderFill.h"
#include "ShownResult.h"
#include "StripPage.h"

#include "report/PrinterControl.h"
#include "report/ReportControl.h"

#include <initializer_list>
#include <vector>

// What the step, partial stroke, ramp and HDRL compare pages do alike. Each
// page is built from its template with its column captions "1" and "2" in
// bold, holds a plot of type `PlotPtr` (the ramp page's is an XY plot), a
// scratch plot that only receives each opened file, and a hidden report and
// printer. "1..." and "2..." open the files in one order: file 1 taken or
// not, both flags follow it, a failed file 1 puts the page back as before any
// file; a file 2 cancelled, refused or not accepted at the settings question
// (which the library loaders ask) leaves the file 2 shown before, if any.
// Back shows the page's test page. The page sends nothing to the device by
// itself; activation repaints the status strip from what is known.
//
// A page gives what differs: how it loads and shows file 1 or 2, its own view
// before any file, its print and its further handlers. Its control ids name
// the shared ones (ComparePageKit) in its own enum, so that every id of the
// page is of one type.
template <class PlotPtr> class ComparePage : public StripPage
{
public:
    void OnOpenFile1()
    {
        const bool ok = loadFile(1);
        // A cancelled or refused file 1 forgets both files.
        m_File1Loaded = ok;
        m_File2Loaded = false;
        m_File2Model = 0;
        // The model file 1 was recorded on, read before file 2 takes the
        // scratch plot: file 1 heads the report as its own device.
        m_File1Model = ok && m_pScratchPlot.get() ? ResultModelChannel::read(m_pScratchPlot.template query<Plot>()) : 0;
        if (!ok) {
            showNoFile();
            return;
        }
        showFile(1);
    }

    void OnOpenFile2()
    {
        if (!loadFile(2))
            return;
        m_File2Loaded = true;
        m_File2Model = m_pScratchPlot.get() ? ResultModelChannel::read(m_pScratchPlot.template query<Plot>()) : 0;
        showFile(2);
    }

    virtual void OnPrintReport() = 0;

    void OnBack() { context().SelectPageCode(m_Kind.backCode); }

    const PlotPtr& plot() const { return m_pPlot; }
    const PlotPtr& scratchPlot() const { return m_pScratchPlot; }
    bool file1Loaded() const { return m_File1Loaded; }
    bool file2Loaded() const { return m_File2Loaded; }
    // The model file `file` (1 or 2) was recorded on; the connected one for
    // a file that does not say.
    uint8_t fileModel(int file) const
    {
        const uint8_t model = file == 1 ? m_File1Model : m_File2Model;
        return model != 0 ? model : data().DeviceType;
    }
    // Port 2 of a file can be shown when its actuator was double acting, it
    // was recorded on the larger model (the smaller has no port 2) and the
    // page, on the larger model, has the row for it.
    bool port2Possible(int file, uint8_t singleActing) const
    {
        return singleActing == 0 && fileModel(file) == 5 && data().DeviceType == 5;
    }
    // The model a report of the page is printed for: file 1's.
    uint8_t reportModel() const { return fileModel(1); }
    // The head of the page's report: file 1 heads it as the device it was
    // recorded on, with its tag, its model and none of the connected
    // device's actuator and valve lines, which the file does not hold.
    CReportHeader reportHeader(const AutoString& file1Tag) const
    {
        CReportHeader header = context().records().m_ReportHeader;
        if (m_File1Loaded)
            ShowLoadedResultHeader(header, file1Tag.toQString());
        header.m_byModel = reportModel();
        return header;
    }

    // What sets one compare page apart from the others, a table of its own.
    struct Kind {
        const char* className;
        int dialogId;
        // The page Back shows.
        int backCode;
        const PageTemplate* pageTemplate;
        const ToolTipTable* toolTips;
        // The column captions "1" and "2", which stand out in bold.
        std::vector<int> boldCaptions;
        // The page carries the 18-box grid.
        bool boxGrid;
        // Whether the reset to the no-file state also enables the boxes.
        ComparePageKit::NoFileBoxes noFileBoxes;
        // The log lines of the initial update (null: none): on entry, once
        // the status strip is made, and on leaving.
        const char* enterLine = nullptr;
        const char* stripLine = nullptr;
        const char* exitLine = nullptr;
    };

    // The strip, the page's own set-up, then the smaller model's grid closed
    // up, the tooltips and the handlers.
    void OnInitialUpdate() override
    {
        writeLog(m_Kind.enterLine);
        StripPage::OnInitialUpdate();
        writeLog(m_Kind.stripLine);
        setUpPage();
        if (m_Kind.boxGrid && data().IsK40())
            CompareBoxGrid::RemovePort2Row(this);
        setToolTips(StripToolTips);
        setToolTips(*m_Kind.toolTips);
        ConnectCompareHandlers(*this,
            { [this] { OnOpenFile1(); }, [this] { OnOpenFile2(); }, [this] { OnPrintReport(); },
                [this] { OnBack(); } });
        connectPageHandlers();
        writeLog(m_Kind.exitLine);
    }

protected:
    ComparePage(PageContext& context, const Kind& kind, QWidget* parent)
        : StripPage(context, QString::fromLatin1(kind.className), kind.dialogId, StripTimer::None, parent)
        , m_Kind(kind)
    {
        buildPage(*kind.pageTemplate);
        ComparePageKit::boldCaptions(*this, kind.boldCaptions);
    }

    // The page's own controls, boxes and view as the initial update leaves them.
    virtual void setUpPage() = 0;
    // The library loader of file `file` (1 or 2) into the page's plots.
    virtual bool loadFile(int file) = 0;
    // The page once file `file` (1 or 2) is taken.
    virtual void showFile(int file) = 0;
    // The page's own view before any file, after its fields and boxes are reset.
    virtual void showEmptyView() = 0;
    // The page's own handlers, besides the four buttons every compare page has.
    virtual void connectPageHandlers() = 0;

    // The report, the printer and both plots, made over their placeholders
    // and prepared as CreateCompareControls says.
    template <class PlotFactory, class Configure>
    void createControls(const CompareControlIds& ids, PlotFactory* plotFactory, Configure* configure,
        const std::function<void()>& setUpPlot, const std::function<void()>& setUpScratch,
        const std::function<void()>& afterSetUp = {}, CompareControlOrder order = CompareControlOrder::ReportFirst)
    {
        CreateCompareControls(this, context().imports(), ids, m_pReport, m_pPrinter, m_pPlot, m_pScratchPlot,
            plotFactory, configure, setUpPlot, setUpScratch, afterSetUp, order);
    }

    // The page as before any file: every field empty, the boxes clear, an
    // empty plot in the page's own view, and neither file 2 nor Print to be had.
    void showNoFile()
    {
        m_pPlot->ClearAllData();
        const std::vector<int> boxes = m_Kind.boxGrid ? CompareBoxGrid::allBoxes() : std::vector<int>();
        ComparePageKit::showNoFile(*this, ComparePageKit::editIds(*m_Kind.pageTemplate), boxes, m_Kind.noFileBoxes,
            [this] { showEmptyView(); });
    }

    bool checked(int boxId) const { return ComparePageKit::isChecked(*this, boxId); }
    void setChecked(int boxId, bool on) { ComparePageKit::setChecked(*this, boxId, on); }
    // A box usable and ticked, or greyed and clear.
    void enableAndCheck(int boxId, bool on)
    {
        enableControl(boxId, on);
        setChecked(boxId, on);
    }
    void setAllBoxes(bool on)
    {
        for (int box : CompareBoxGrid::allBoxes())
            setChecked(box, on);
    }
    // Shows channel `channel` of the plot as its box `boxId` stands.
    void sync(const char* channel, int boxId) { SyncChannel(*this, m_pPlot, channel, boxId); }

    PlotPtr m_pPlot;
    PlotPtr m_pScratchPlot;
    IReportPtr m_pReport;
    IPrinterPtr m_pPrinter;
    bool m_File1Loaded = false;
    bool m_File2Loaded = false;
    uint8_t m_File1Model = 0;
    uint8_t m_File2Model = 0;

private:
    void writeLog(const char* line)
    {
        if (line)
            context().log().WriteLog(QString::fromLatin1(line));
    }

    const Kind& m_Kind;
};
